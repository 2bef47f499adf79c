// The configuration file's bytes, how each line is read back and accepted,
// and the report of an import: the core, without a window.

#include "core/language.h"
#include "core/format/configurationformat.h"
#include "core/format/importreport.h"
#include "core/unitfiles.h"
#include "core/catalogue/functionlistmodel.h"
#include "support/files.h"
#include "support/formaccess.h"
#include "support/systemfiles.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tessaro;
using TestSupport::formWith;
using TestSupport::golden;
using TestSupport::readAll;

class TestConfigurationFormat : public QObject
{
    Q_OBJECT

private slots:
    // The report's words as the English texts spell them.
    void initTestCase() { loadBuiltInEnglish(); }
    void writesAndReadsBackTheFile_data();
    void writesAndReadsBackTheFile();
    void readsLineByLine();
    void reportIsRichText();
    void settingsInTheFilesSpelling_data();
    void settingsInTheFilesSpelling();
    void unitFiles();
    void functionByNumber_data();
    void functionByNumber();
};

void TestConfigurationFormat::writesAndReadsBackTheFile_data()
{
    QTest::addColumn<FormSettings>("form");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("every row at its default")
            << formWith({}, true) << readAll(QFINDTESTDATA("data/default-config.txt"));
    QTest::newRow("every kind of value")
            << formWith(u"#ID:5 #VOLUME:7 #POWER:1 #RS_MONITORING:2 #BOOT:12 #INPUT01:0 #INPUT02:1 "
                        u"#INPUT03:2 #INPUT04:3 #INPUT05:4 #INPUT06:5 #INPUT07:6 #INPUT08:7 "
                        u"#INPUT09:129 #INPUT10:1005 #INPUT11:1006 #INPUT12:1047 #INPUT13:2004 "
                        u"#INPUT14:20 #INPUT15:21 #BUTTON1:5 #BUTTON2:4 #BAUDRATE:1"_s.split(u' '))
            << readAll(QFINDTESTDATA("data/example-config.txt"));
}

void TestConfigurationFormat::writesAndReadsBackTheFile()
{
    QFETCH(FormSettings, form);
    QFETCH(QByteArray, file);
    QCOMPARE(configurationText(form), file);
    QCOMPARE(importedSettings(importedRows(readConfiguration(file).recognised)), form);
    // An entry past a list's end writes "0", as entry 0 does.
    QCOMPARE(configurationText(formWith({u"#POWER:2"_s, u"#RS_MONITORING:4"_s})),
             "#POWER:0\r\n#RS_MONITORING:0\r\n"_ba);
}

void TestConfigurationFormat::readsLineByLine()
{
    // Each file under data/reading read as an import reads it: its report,
    // its summary and findings, then the form it leaves, written back.
    const QDir cases(QFINDTESTDATA("data/reading"));
    QStringList transcript;
    for (const QString &name : cases.entryList(QDir::Files)) {
        const FileReading reading = readConfiguration(readAll(cases.filePath(name)));
        transcript << u"== "_s + name << reportEntries(reading.recognised)
                   << u"-- summary: "_s + importSummary(name, reading);
        const char *const kinds[] = {"not recognised", "refused", "read in part",
                                     "given again, replacing line", "CR alone",
                                     "beyond the form, which shows"};
        for (const Finding &finding : reading.findings)
            transcript << u"-- line %1%2: %3 %4"_s.arg(finding.lineNumber)
                                  .arg(finding.row < 0
                                               ? QString()
                                               : u" ("_s + optionName(optionCatalogue[finding.row])
                                                       + u')')
                                  .arg(QLatin1StringView(kinds[finding.kind]))
                                  .arg(finding.kind == Finding::GivenAgain ? finding.earlierLine
                                                                           : finding.value)
                                  .remove(u" -1"_s);
        // What each row took, and refused.
        const ImportedRows rows = importedRows(reading.recognised);
        for (int row = 0; row < optionCount; ++row) {
            QString found = u"-- "_s + QLatin1StringView(optionCatalogue[row].key);
            if (const auto &taken = rows[row].taken)
                found += u" takes line %1"_s.arg(taken->lineNumber);
            for (const RecognisedLine &line : rows[row].refused)
                found += u" refuses line %1"_s.arg(line.lineNumber);
            if (rows[row].named)
                transcript << found;
        }
        transcript << u"-- written back"_s
                   << QString::fromLatin1(configurationText(importedSettings(rows)))
                              .split(u"\r\n"_s, Qt::SkipEmptyParts);
    }
    QCOMPARE(transcript, golden(u"data/reading.golden"_s, transcript));
}

void TestConfigurationFormat::reportIsRichText()
{
    QCOMPARE(importReport(readConfiguration("#ID:5\n#POWER:7\n").recognised),
             u"<br>#ID:--------------------------> OK</br>"
             u"<br>#POWER:-----------------------> ERROR Line(2)</br>"
             u"<br></br><br><b>Import configuration file done!</b></br>"_s);
}

void TestConfigurationFormat::settingsInTheFilesSpelling_data()
{
    // A value typed by hand is taken whole or not at all: never cut to the
    // row's width as a file's line is.
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QString>("outcome"); // the line it makes a file hold, "refused" or "unknown"
    QTest::newRow("volume") << u"VOLUME=20"_s << u"#VOLUME:20"_s;
    QTest::newRow("an ID with its zeros") << u"ID=007"_s << u"#ID:007"_s;
    QTest::newRow("a serial command") << u"INPUT01=RS042"_s << u"#INPUT01:RS042"_s;
    QTest::newRow("a baud rate") << u"BAUDRATE=38400"_s << u"#BAUDRATE:38400"_s;
    const char *refused[] = {
            "VOLUME=100",    "ID=1000",   "POWER=10",   "BAUDRATE=3840099", "INPUT01=FOLDER0012",
            "INPUT01=PLAYX", "VOLUME=-5", "VOLUME==20", "VOLUME=",          "VOLUME= 20",
            "BUTTON1=play",  "VOLUME=65"};
    for (const char *setting : refused)
        QTest::newRow(setting) << QString::fromLatin1(setting) << u"refused"_s;
    QTest::newRow("no such key") << u"VOLUMES=1"_s << u"unknown"_s;
    QTest::newRow("no value") << u"VOLUME"_s << u"unknown"_s;
}

void TestConfigurationFormat::settingsInTheFilesSpelling()
{
    QFETCH(QString, setting);
    QFETCH(QString, outcome);
    FormSettings form = formWith({});
    const Setting set = applySetting(form, setting);
    const QString file = QString::fromLatin1(configurationText(form));
    QCOMPARE(set.row < 0 ? u"unknown"_s : set.accepted ? file.trimmed() : u"refused"_s, outcome);
    QCOMPARE(file.isEmpty(), !set.accepted);
}

void TestConfigurationFormat::unitFiles()
{
    // A folder name holds the ID, and stays a name inside the target folder.
    for (const QString &refused : {u"unit"_s, u"../%1"_s, u"a/%1"_s, u"%1\\x"_s})
        QVERIFY2(unitFolderPatternProblem(refused), qPrintable(refused));
    for (const auto &[name, refused] : TestSupport::systemFolderNames())
        QVERIFY2(folderNameProblem(name).has_value() == refused, qPrintable(name));
    const QList<UnitFile> units = Tessaro::unitFiles(u"/target"_s, u"hall %1 left"_s, 9, 10);
    QCOMPARE(units.last().path, u"/target/hall 010 left/config.txt"_s);
    QCOMPARE(configurationText(unitSettings(formWith({}), units.last().id)), "#ID:010\r\n"_ba);
}

void TestConfigurationFormat::functionByNumber_data()
{
    // What a list's keyboard search finds from Folder 005 on, as typed so far.
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found"); // the entry's text, empty for none
    const char *const rows[][2] = {{"7", "Folder 007"},
                                   {"07", "Folder 007"},
                                   {"007", "Folder 007"},
                                   {"123", "Folder 123"},
                                   {"0", "Folder 000"},
                                   {"0007", ""},
                                   {"s12", "Serial Command 012"},
                                   {"R999", "Serial Command 999"},
                                   {"s0", ""},
                                   {"s1000", ""},
                                   {"s", "Serial Command 001"},
                                   {"Fo", "Folder 006"},
                                   {"x", ""}};
    for (const auto &[typed, found] : rows)
        QTest::newRow(typed) << QString::fromLatin1(typed) << QString::fromLatin1(found);
}

void TestConfigurationFormat::functionByNumber()
{
    QFETCH(QString, typed);
    QFETCH(QString, found);
    FunctionListModel list;
    QCOMPARE(list.match(list.index(0), Qt::DisplayRole, u"7"_s), QModelIndexList());
    list.fill();
    const QModelIndexList matches =
            list.match(list.index(firstFolderEntry + 6), Qt::DisplayRole, typed);
    QCOMPARE(matches.value(0).data().toString(), found);
}

QTEST_GUILESS_MAIN(TestConfigurationFormat)
#include "tst_configurationformat.moc"
