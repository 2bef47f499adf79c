// The preferences file that remembers the language: its lines, and what a
// file of any content reads as.

#include "app/applicationidentity.h"
#include "app/preferences.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tessaro;

Q_DECLARE_METATYPE(std::optional<Tessaro::Language>)

namespace {

QByteArray preferences(const QByteArray &language)
{
    return "MSC11.00\n"
           "Tessaro - Configuration File Generator - Configuration File\n"
           "Generate by: Tessaro - Configuration File Generator 1.1.0\n"
           "****************************************\n"
           "Language\n"
           "****************************************\n"
            + language + '\n';
}

} // namespace

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setApplicationIdentity(); }
    void writtenLines_data();
    void writtenLines();
    void readLanguage_data();
    void readLanguage();
};

void TestPreferences::writtenLines_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("Default") << Language::Default << preferences("(default)");
    QTest::newRow("English") << Language::English << preferences("English");
    QTest::newRow("French") << Language::French << preferences("French");
}

void TestPreferences::writtenLines()
{
    QFETCH(Language, language);
    QFETCH(QByteArray, file);
    QCOMPARE(preferencesText(language), file);
    QCOMPARE(parsePreferences(file), std::optional(language));
}

void TestPreferences::readLanguage_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<std::optional<Language>>("language");
    const std::optional<Language> none;
    QTest::newRow("written on Windows")
            << preferences("French").replace("\n", "\r\n") << std::optional(Language::French);
    QTest::newRow("tag and version apart")
            << "xxMSC1yy1.00\n2\n3\n4\n5\n6\nFrench\n"_ba << std::optional(Language::French);
    QTest::newRow("no last line end")
            << "MSC11.00\n\n\n\n\n\nEnglish"_ba << std::optional(Language::English);
    QTest::newRow("foreign first line")
            << preferences("French").replace("MSC11.00", "MSC2 1.00") << none;
    QTest::newRow("version missing") << preferences("French").replace("MSC11.00", "MSC1") << none;
    QTest::newRow("empty file") << QByteArray() << none;
    QTest::newRow("short file") << "MSC11.00\nTessaro\n"_ba << std::optional(Language::Default);
    QTest::newRow("menu text") << preferences("Fran\xc3\xa7"
                                              "ais")
                               << std::optional(Language::Default);
    QTest::newRow("leading blank") << preferences(" French") << std::optional(Language::Default);
    QTest::newRow("lower case") << preferences("french") << std::optional(Language::Default);
    QTest::newRow("CR line ends only")
            << preferences("French").replace('\n', '\r') << std::optional(Language::Default);
    QByteArray noise(4096, '\0');
    QRandomGenerator random(11);
    for (char &byte : noise)
        byte = char(random.bounded(256));
    QTest::newRow("random bytes") << noise << none;
}

void TestPreferences::readLanguage()
{
    QFETCH(QByteArray, file);
    QFETCH(std::optional<Language>, language);
    QCOMPARE(parsePreferences(file), language);
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
