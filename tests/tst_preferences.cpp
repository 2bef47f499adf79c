// The preferences file that remembers the language: the lines written, and
// what each file under data/preferences reads as (a golden transcript).

#include "app/applicationidentity.h"
#include "app/preferences.h"
#include "support/files.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tessaro;
using TestSupport::readAll;

class TestPreferences : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setApplicationIdentity(); }
    void writtenLines_data();
    void writtenLines();
    void readLanguage();
};

void TestPreferences::writtenLines_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("file");
    QTest::newRow("Default") << Language::Default << u"default.cfg"_s;
    QTest::newRow("English") << Language::English << u"english.cfg"_s;
    QTest::newRow("French") << Language::French << u"french.cfg"_s;
}

void TestPreferences::writtenLines()
{
    QFETCH(Language, language);
    QFETCH(QString, file);
    QCOMPARE(preferencesText(language), readAll(QFINDTESTDATA(u"data/preferences/"_s + file)));
}

void TestPreferences::readLanguage()
{
    const QDir files(QFINDTESTDATA("data/preferences"));
    QStringList transcript;
    for (const QString &name : files.entryList(QDir::Files)) {
        const std::optional<Language> language = parsePreferences(readAll(files.filePath(name)));
        transcript << name + u": "_s + (language ? languageName(*language) : u"none"_s);
    }
    QCOMPARE(transcript,
             QString::fromUtf8(readAll(QFINDTESTDATA("data/preferences.golden")))
                     .split(u'\n', Qt::SkipEmptyParts));
}

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
