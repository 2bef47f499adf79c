// The function name decoder against the plain scan it replaces, and the
// report's entries. Writing and reading whole files is tested through the
// window, in tst_configurationcommands.

#include "configurationformat.h"

#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tessaro;

namespace {

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
bool referenceParseFunctionValue(const QString &line, const QString &key, int &value)
{
    static const QStringList names = referenceNames();
    value = -1;
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(key, Qt::CaseSensitive))
        return false;
    const QString rest = trimmed.mid(key.size());
    for (int position = 1; position <= names.size(); ++position) {
        const QString &name = names[position - 1];
        const QString cut = rest.left(name.size());
        if (!cut.isEmpty() && cut == name)
            value = position;
    }
    return true;
}

// parseFunctionValue must answer as the full scan does, for any line.
void compareWithTheFullScan(const QString &line, const QString &key)
{
    int expected = 0;
    int value = 0;
    const bool recognised = referenceParseFunctionValue(line, key, expected);
    QCOMPARE(parseFunctionValue(line, key, value), recognised);
    QCOMPARE(value, expected);
}

} // namespace

class TestConfigurationFormat : public QObject
{
    Q_OBJECT

private slots:
    void functionNamesDecodeAsTheFullScanDoes_data();
    void functionNamesDecodeAsTheFullScanDoes();
    void functionNamesDecodeAsTheFullScanDoesOnRandomText();
    void reportEntries_data();
    void reportEntries();
};

void TestConfigurationFormat::functionNamesDecodeAsTheFullScanDoes_data()
{
    QTest::addColumn<QString>("line");
    const QString key = u"#INPUT07:"_s;
    const QStringList names = referenceNames();
    QTest::newRow("no key") << u"FOLDER001"_s;
    QTest::newRow("key only") << key;
    QTest::newRow("lower-case key") << u"#input07:PLAY"_s;
    QTest::newRow("blank after the key") << key + u" PLAY"_s;
    QTest::newRow("blanks around") << u"  \t"_s + key + u"STOP \r"_s;
    QTest::newRow("lower-case name") << key + u"play"_s;
    QTest::newRow("RS000") << key + u"RS000"_s;
    QTest::newRow("short folder") << key + u"FOLDER12"_s;
    QTest::newRow("Arabic-Indic digits") << key + u"FOLDER\u0661\u0662\u0663"_s;
    QTest::newRow("full-width digits") << key + u"RS\uff10\uff10\uff11"_s;
    for (const QString &name : names) {
        QTest::addRow("%s", qPrintable(name)) << key + name;
        QTest::addRow("%s extended", qPrintable(name)) << key + name + u"9X"_s;
        QTest::addRow("%s cut", qPrintable(name)) << key + name.chopped(1);
    }
}

void TestConfigurationFormat::functionNamesDecodeAsTheFullScanDoes()
{
    QFETCH(QString, line);
    compareWithTheFullScan(line, u"#INPUT07:"_s);
}

void TestConfigurationFormat::functionNamesDecodeAsTheFullScanDoesOnRandomText()
{
    // Text built from the pieces names are made of, so that near misses are common.
    const QStringList pieces{u"#BUTTON2:"_s, u"FOLDER"_s, u"RS"_s, u"PLAY"_s, u"VOLUME_"_s,
                             u"PLUS"_s,      u"MINUS"_s,  u"0"_s,  u"9"_s,    u"5"_s,
                             u" "_s,         u"_"_s,      u"S"_s,  u"\r"_s,   u"\u00e9"_s};
    QRandomGenerator random(20261206);
    const QString key = u"#BUTTON2:"_s;
    for (int round = 0; round < 50000; ++round) {
        QString line = random.bounded(4) == 0 ? QString() : key;
        const int count = int(random.bounded(6));
        for (int i = 0; i < count; ++i)
            line += pieces[random.bounded(int(pieces.size()))];
        compareWithTheFullScan(line, key);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestConfigurationFormat::reportEntries_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("lineNumber");
    QTest::addColumn<QString>("entry");
    QTest::newRow("accepted ID") << u"#ID:"_s << true << 1
                                 << u"<br>#ID:--------------------------> OK</br>"_s;
    QTest::newRow("refused power on line 3")
            << u"#POWER:"_s << false << 3
            << u"<br>#POWER:-----------------------> ERROR Line(3)</br>"_s;
    QTest::newRow("longest key") << u"#RS_MONITORING:"_s << false << 120
                                 << u"<br>#RS_MONITORING:---------------> ERROR Line(120)</br>"_s;
}

void TestConfigurationFormat::reportEntries()
{
    QFETCH(QString, key);
    QFETCH(bool, accepted);
    QFETCH(int, lineNumber);
    QFETCH(QString, entry);
    QString report = u"before"_s;
    appendReportEntry(key, accepted, lineNumber, report);
    QCOMPARE(report, u"before"_s + entry);
}

QTEST_APPLESS_MAIN(TestConfigurationFormat)
#include "tst_configurationformat.moc"
