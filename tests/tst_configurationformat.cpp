// The configuration file's bytes, how each line is read back and accepted,
// and the report of an import: the core, without a window.

#include "config/configurationformat.h"
#include "config/importreport.h"
#include "config/unitfiles.h"
#include "support/files.h"
#include "support/formaccess.h"

#include <QRandomGenerator>
#include <QStringConverter>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tessaro;
using TestSupport::formWith;

namespace {

// A report entry as the user reads it; a refused one names its line.
QString entry(const char *key, int errorLine = 0)
{
    return QString::fromLatin1(key).leftJustified(30, u'-')
            + (errorLine ? u"> ERROR Line(%1)"_s.arg(errorLine) : u"> OK"_s);
}

// The function value list as the file format defines it, spelled out.
QStringList referenceNames()
{
    QStringList names{u"PLAY"_s,       u"STOP"_s,        u"NEXT_TRACK"_s,
                      u"PREV_TRACK"_s, u"VOLUME_PLUS"_s, u"VOLUME_MINUS"_s};
    for (int folder = 0; folder <= 999; ++folder)
        names.append(u"FOLDER"_s + QString::number(folder).rightJustified(3, u'0'));
    for (int command = 1; command <= 999; ++command)
        names.append(u"RS"_s + QString::number(command).rightJustified(3, u'0'));
    return names;
}

// The straightforward reading: compare the text after the key with each of
// the 2005 names in turn, cut to the name's length; the last match wins.
int referenceFunctionValue(const QString &line, const QString &key)
{
    static const QStringList names = referenceNames();
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(key))
        return -2;
    int value = -1;
    for (int position = 1; position <= names.size(); ++position) {
        const QString cut = trimmed.mid(key.size()).left(names[position - 1].size());
        if (!cut.isEmpty() && cut == names[position - 1])
            value = position;
    }
    return value;
}

int parsedFunctionValue(const QString &line, const QString &key)
{
    int value = 0;
    return parseFunctionValue(line, key, value) ? value : -2;
}

} // namespace

class TestConfigurationFormat : public QObject
{
    Q_OBJECT

private slots:
    void writesAndReadsBackTheFile_data();
    void writesAndReadsBackTheFile();
    void readsLineByLine_data();
    void readsLineByLine();
    void functionNamesReadAsTheFullScanDoes();
    void reportIsRichText();
    void settingsInTheFilesSpelling_data();
    void settingsInTheFilesSpelling();
    void unitFiles_data();
    void unitFiles();
};

void TestConfigurationFormat::writesAndReadsBackTheFile_data()
{
    QTest::addColumn<FormSettings>("form");
    QTest::addColumn<QByteArray>("file");
    const auto golden = [](const char *name) {
        return TestSupport::readAll(QFINDTESTDATA(u"data/"_s + QLatin1StringView(name)));
    };
    QTest::newRow("every row at its default") << formWith({}, true) << golden("default-config.txt");
    QTest::newRow("every kind of value") << formWith(
            {u"#ID:5"_s,         u"#VOLUME:7"_s,     u"#POWER:1"_s,      u"#RS_MONITORING:2"_s,
             u"#BOOT:12"_s,      u"#INPUT01:0"_s,    u"#INPUT02:1"_s,    u"#INPUT03:2"_s,
             u"#INPUT04:3"_s,    u"#INPUT05:4"_s,    u"#INPUT06:5"_s,    u"#INPUT07:6"_s,
             u"#INPUT08:7"_s,    u"#INPUT09:129"_s,  u"#INPUT10:1005"_s, u"#INPUT11:1006"_s,
             u"#INPUT12:1047"_s, u"#INPUT13:2004"_s, u"#INPUT14:20"_s,   u"#INPUT15:21"_s,
             u"#BUTTON1:5"_s,    u"#BUTTON2:4"_s,    u"#BAUDRATE:1"_s})
                                         << golden("example-config.txt");
    QTest::newRow("no row ticked") << formWith({}) << QByteArray("");
    QTest::newRow("volume and baud rate") << formWith({u"#BAUDRATE:2"_s, u"#VOLUME:0"_s})
                                          << QByteArray("#VOLUME:00\r\n#BAUDRATE:38400\r\n");
    QTest::newRow("the ends of the ranges")
            << formWith({u"#ID:127"_s, u"#VOLUME:64"_s, u"#BOOT:999"_s, u"#BAUDRATE:0"_s})
            << QByteArray("#ID:127\r\n#VOLUME:64\r\n#BOOT:999\r\n#BAUDRATE:9600\r\n");
}

void TestConfigurationFormat::writesAndReadsBackTheFile()
{
    QFETCH(FormSettings, form);
    QFETCH(QByteArray, file);
    QCOMPARE(configurationText(form), file);
    QCOMPARE(importedSettings(importedRows(readConfiguration(file))), form);
}

void TestConfigurationFormat::readsLineByLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("report");
    QTest::addColumn<FormSettings>("form");

    const auto row = [](const char *name, const QByteArray &content, const QStringList &report,
                        const QStringList &ticked) {
        QTest::newRow(name) << content << report << formWith(ticked);
    };
    row("empty file", "", {}, {});
    row("ID, one blank", "#ID: 12\r\n", {entry("#ID:")}, {u"#ID:12"_s});
    row("ID, two blanks take the window", "#ID:  12\r\n", {entry("#ID:")}, {u"#ID:1"_s});
    row("ID with a letter", "#ID:1a2", {entry("#ID:")}, {u"#ID:12"_s});
    row("ID with a sign", "#ID:-5\n", {entry("#ID:")}, {u"#ID:5"_s});
    row("ID without value", "#ID:\n", {entry("#ID:", 1)}, {u"#ID:1"_s});
    row("ID 0 is refused", "#ID:000\n", {entry("#ID:", 1)}, {u"#ID:1"_s});
    row("Arabic-Indic digit",
        "#ID:1\xd9\xa3"
        "2\n",
        {entry("#ID:")}, {u"#ID:12"_s});
    row("volume in two characters", "#VOLUME:100\n", {entry("#VOLUME:")}, {u"#VOLUME:10"_s});
    row("volume 65 is refused", "#VOLUME:65\n", {entry("#VOLUME:", 1)}, {u"#VOLUME:32"_s});
    row("boot in three characters", "#BOOT:1234\n", {entry("#BOOT:")}, {u"#BOOT:123"_s});
    row("power in one character", "#POWER:10\n", {entry("#POWER:")}, {u"#POWER:1"_s});
    row("monitoring 3", "#RS_MONITORING:3\n", {entry("#RS_MONITORING:")}, {u"#RS_MONITORING:3"_s});
    row("monitoring 4 is refused", "#RS_MONITORING:4\n", {entry("#RS_MONITORING:", 1)},
        {u"#RS_MONITORING:0"_s});
    row("115200 baud is refused", "#BAUDRATE:115200\n", {entry("#BAUDRATE:", 1)},
        {u"#BAUDRATE:1"_s});
    row("09600 baud", "#BAUDRATE:09600\n", {entry("#BAUDRATE:")}, {u"#BAUDRATE:0"_s});
    row("9600 baud with a word", "#BAUDRATE:9600 baud\n", {entry("#BAUDRATE:")},
        {u"#BAUDRATE:0"_s});
    row("keys in other spellings", "#id:5\nID:5\nx#ID:5\n#ID 5\n", {}, {});
    row("blanks around a line", "   #BOOT:12   \r\n", {entry("#BOOT:")}, {u"#BOOT:12"_s});
    row("PLAYLIST begins with PLAY", "#INPUT01:PLAYLIST\n", {entry("#INPUT01:")},
        {u"#INPUT01:0"_s});
    row("blank before the name", "#INPUT05: PLAY\n", {entry("#INPUT05:", 1)}, {u"#INPUT05:11"_s});
    row("lower-case name", "#INPUT01:play\n", {entry("#INPUT01:", 1)}, {u"#INPUT01:7"_s});
    row("short folder number", "#INPUT01:FOLDER12\n", {entry("#INPUT01:", 1)}, {u"#INPUT01:7"_s});
    row("RS000", "#INPUT01:RS000\n", {entry("#INPUT01:", 1)}, {u"#INPUT01:7"_s});
    row("RS999", "#BUTTON2:RS999\n", {entry("#BUTTON2:")}, {u"#BUTTON2:2004"_s});
    row("a refused line among good ones", "#ID:5\r\n#VOLUME:10\r\n#POWER:7\r\n#BOOT:3\r\n",
        {entry("#ID:"), entry("#VOLUME:"), entry("#POWER:", 3), entry("#BOOT:")},
        {u"#ID:5"_s, u"#VOLUME:10"_s, u"#POWER:0"_s, u"#BOOT:3"_s});
    row("line numbers count every line", "; settings\n\n#BOOT:x\n#VOLUME:1\n",
        {entry("#BOOT:", 3), entry("#VOLUME:")}, {u"#BOOT:0"_s, u"#VOLUME:1"_s});
    row("the last accepted value stays", "#VOLUME:10\n#VOLUME:20\n",
        {entry("#VOLUME:"), entry("#VOLUME:")}, {u"#VOLUME:20"_s});
    row("a refused repeat keeps the earlier value", "#VOLUME:10\n#VOLUME:99\n",
        {entry("#VOLUME:"), entry("#VOLUME:", 2)}, {u"#VOLUME:10"_s});
    QStringEncoder toUtf16(QStringConverter::Utf16LE, QStringConverter::Flag::WriteBom);
    row("UTF-16 with its byte-order mark", toUtf16(u"#ID:5\r\n#INPUT02:RS010\r\n"_s),
        {entry("#ID:"), entry("#INPUT02:")}, {u"#ID:5"_s, u"#INPUT02:1015"_s});
    row("UTF-8 byte-order mark", "\xef\xbb\xbf#ID:5\r\n#VOLUME:6\r\n",
        {entry("#ID:"), entry("#VOLUME:")}, {u"#ID:5"_s, u"#VOLUME:6"_s});
    row("no line end at the end", "#ID:5\r\n#VOLUME:6", {entry("#ID:"), entry("#VOLUME:")},
        {u"#ID:5"_s, u"#VOLUME:6"_s});
    row("NUL bytes",
        QByteArray(4096, '\0')
                + "\n#ID:\0"
                  "5\n\0#ID:9\n"_ba,
        {entry("#ID:")}, {u"#ID:5"_s});
    row("invalid UTF-8",
        "#ID:\xff"
        "12\n#INPUT01:\xc3(PLAY\n#BOOT:\xe2\x82\n",
        {entry("#ID:"), entry("#INPUT01:", 2), entry("#BOOT:", 3)},
        {u"#ID:12"_s, u"#INPUT01:7"_s, u"#BOOT:0"_s});
    row("one line of 1 MiB", "#BOOT:" + QByteArray(1024 * 1024 - 6, '7'), {entry("#BOOT:")},
        {u"#BOOT:777"_s});
    QByteArray noise(64 * 1024, '\0');
    QRandomGenerator random(7);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    row("random bytes", noise.replace('#', '@'), {}, {});
}

void TestConfigurationFormat::readsLineByLine()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, report);
    QFETCH(FormSettings, form);
    const QList<RecognisedLine> lines = readConfiguration(content);
    QCOMPARE(reportEntries(lines), report);
    QCOMPARE(importedSettings(importedRows(lines)), form);
}

void TestConfigurationFormat::functionNamesReadAsTheFullScanDoes()
{
    const QString key = u"#INPUT07:"_s;
    const QStringList names = referenceNames();
    QStringList lines{u"FOLDER001"_s,
                      key,
                      u"#input07:PLAY"_s,
                      key + u" PLAY"_s,
                      key + u"FOLDER\u0661\u0662\u0663"_s,
                      u"  \t"_s + key + u"STOP \r"_s};
    for (int entry = -1; entry <= names.size(); ++entry) {
        QCOMPARE(functionValueName(entry), names.value(entry));
        lines << key + names.value(entry) << key + names.value(entry) + u"9X"_s
              << key + names.value(entry).chopped(1);
    }
    // Text built from the pieces names are made of, so that near misses are common.
    const QStringList pieces{u"FOLDER"_s, u"RS"_s, u"PLAY"_s, u"VOLUME_"_s, u"PLUS"_s, u"0"_s,
                             u"9"_s,      u"5"_s,  u" "_s,    u"_"_s,       u"\r"_s,   u"é"_s};
    QRandomGenerator random(20261206);
    for (int round = 0; round < 20000; ++round) {
        QString line = random.bounded(4) == 0 ? QString() : key;
        for (int i = int(random.bounded(6)); i > 0; --i)
            line += pieces[random.bounded(int(pieces.size()))];
        lines.append(line);
    }
    for (const QString &line : std::as_const(lines)) {
        if (parsedFunctionValue(line, key) != referenceFunctionValue(line, key))
            QFAIL(qPrintable(u"read differently: "_s + line));
    }
}

void TestConfigurationFormat::reportIsRichText()
{
    QString report = u"before"_s;
    appendReportEntry(u"#POWER:"_s, false, 3, report);
    QCOMPARE(report, u"before<br>#POWER:-----------------------> ERROR Line(3)</br>"_s);
    QCOMPARE(importReport(readConfiguration("#ID:5\n")),
             u"<br>#ID:--------------------------> OK</br>"
             u"<br></br><br><b>Import configuration file done!</b></br>"_s);
}

void TestConfigurationFormat::settingsInTheFilesSpelling_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("outcome"); // the row's key, "refused" or "unknown"
    QTest::addColumn<FormSettings>("form");
    const FormSettings unchanged = formWith({}, true);
    QTest::newRow("volume") << u"VOLUME=20"_s << u"#VOLUME:"_s << formWith({u"#VOLUME:20"_s}, true);
    QTest::newRow("a folder") << u"INPUT01=FOLDER001"_s << u"#INPUT01:"_s
                              << formWith({u"#INPUT01:7"_s}, true);
    QTest::newRow("a baud rate") << u"BAUDRATE=38400"_s << u"#BAUDRATE:"_s
                                 << formWith({u"#BAUDRATE:2"_s}, true);
    QTest::newRow("volume 65") << u"VOLUME=65"_s << u"refused"_s << unchanged;
    QTest::newRow("a lower-case name") << u"BUTTON1=play"_s << u"refused"_s << unchanged;
    QTest::newRow("no such key") << u"VOLUMES=1"_s << u"unknown"_s << unchanged;
    QTest::newRow("no value") << u"VOLUME"_s << u"unknown"_s << unchanged;
}

void TestConfigurationFormat::settingsInTheFilesSpelling()
{
    QFETCH(QString, setting);
    QFETCH(QString, outcome);
    QFETCH(FormSettings, form);
    FormSettings settings = formWith({}, true);
    const Setting set = applySetting(settings, setting);
    QCOMPARE(set.row < 0            ? u"unknown"_s
                     : set.accepted ? QString::fromLatin1(optionCatalogue[set.row].key)
                                    : u"refused"_s,
             outcome);
    QCOMPARE(settings, form);
}

void TestConfigurationFormat::unitFiles_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("paths"); // from IDs 9 to 11 in /target
    QTest::newRow("the default") << QString(defaultUnitFolderPattern)
                                 << QStringList{u"/target/ID009/config.txt"_s,
                                                u"/target/ID010/config.txt"_s,
                                                u"/target/ID011/config.txt"_s};
    QTest::newRow("the ID inside") << u"hall %1 left"_s
                                   << QStringList{u"/target/hall 009 left/config.txt"_s,
                                                  u"/target/hall 010 left/config.txt"_s,
                                                  u"/target/hall 011 left/config.txt"_s};
    for (const QString &refused : {u"unit"_s, u"../%1"_s, u"a/%1"_s, u"%1\\x"_s})
        QTest::addRow("%s", qPrintable(refused)) << refused << QStringList();
}

void TestConfigurationFormat::unitFiles()
{
    QFETCH(QString, pattern);
    QFETCH(QStringList, paths);
    QCOMPARE(isUnitFolderPattern(pattern), !paths.isEmpty());
    if (paths.isEmpty())
        return;
    QStringList made;
    for (const UnitFile &unit : Tessaro::unitFiles(u"/target"_s, pattern, 9, 11)) {
        made.append(unit.path);
        QCOMPARE(configurationText(unitSettings(formWith({}), unit.id)),
                 u"#ID:%1\r\n"_s.arg(unit.id, 3, 10, QChar(u'0')).toLatin1());
    }
    QCOMPARE(made, paths);
}

QTEST_APPLESS_MAIN(TestConfigurationFormat)
#include "tst_configurationformat.moc"
