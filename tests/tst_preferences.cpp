// The preferences file that remembers the language: the lines written, and
// what each file under data/preferences reads as (a golden transcript).

#include "app/applicationidentity.h"
#include "app/language.h"
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
    void writtenLines();
    void readLanguage();
};

void TestPreferences::writtenLines()
{
    // One file per language under data/preferences, named as its last line.
    for (const LanguageEntry &entry : languages)
        QCOMPARE(preferencesText(entry.language),
                 readAll(QFINDTESTDATA(u"data/preferences/"_s + languageName(entry.language)
                                       + u".cfg"_s)));
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
