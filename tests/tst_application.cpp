// The program's own files and addresses, without a window: the preferences
// file, the one path every file is written through, the support request.

#include "core/applicationidentity.h"
#include "core/format/configurationfile.h"
#include "core/language.h"
#include "core/preferences.h"
#include "core/safefiles.h"
#include "core/windowsettings.h"
#include "support/files.h"
#include "support/systemfiles.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

#include <thread>

using namespace Qt::StringLiterals;
using namespace Tessaro;
using TestSupport::readAll;

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { setApplicationIdentity(); }
    void preferences();
    void writesOnlyWhatItMay_data();
    void writesOnlyWhatItMay();
    void supportRequest_data();
    void supportRequest();
    void systemReasons();
    void rivalsAtOneName();
};

void TestApplication::preferences()
{
    // One file per language under data/preferences, named as its last line.
    for (const LanguageEntry &entry : languages)
        QCOMPARE(preferencesText(entry.language),
                 TestSupport::withSystemLineEnds(readAll(QFINDTESTDATA(
                         u"data/preferences/"_s + languageName(entry.language) + u".cfg"_s))));
    const QDir files(QFINDTESTDATA("data/preferences"));
    QStringList transcript;
    for (const QString &name : files.entryList(QDir::Files)) {
        const std::optional<Language> language = parsePreferences(readAll(files.filePath(name)));
        transcript << name + u": "_s + (language ? languageName(*language) : u"none"_s);
    }
    QCOMPARE(transcript, TestSupport::golden(u"data/preferences.golden"_s, transcript));
    // Read from the file itself, never through a link: whoever planted it chose its target.
    QTemporaryDir folder;
    QVERIFY(QFile::link(files.filePath(u"French.cfg"_s), folder.filePath(u"link.cfg"_s)));
    QCOMPARE(readPreferences(files.filePath(u"French.cfg"_s)), Language::French);
    QCOMPARE(readPreferences(folder.filePath(u"link.cfg"_s)), std::nullopt);
    // Window settings: each kind written as QSettings did, read back exactly, damage skipped.
    const WindowValues kept{{u"units/folder"_s, u"@\"a\" b\\c\t\a\u0001d\u00e9 "_s},
                            {u"units/name"_s, QStringList{u"@1,"_s, u";"_s, u"a="_s, u" x"_s, {}}},
                            {u"units/none"_s, QStringList()},
                            {u"units/first"_s, 3},
                            {u"window/preview"_s, true},
                            {u"window/size"_s, QSize(600, 500)},
                            {u"window/position"_s, QPoint(-3, 4)}};
    const QString old = folder.filePath(u"window.conf"_s);
    for (auto value = kept.cbegin(); value != kept.cend(); ++value)
        QSettings(old, QSettings::IniFormat).setValue(value.key(), value.value());
    const QByteArray text = windowSettingsText(kept);
    QCOMPARE(text, readAll(old));
    QCOMPARE(windowSettingsText(parseWindowSettings(text + "x=@Size(nan 0)\n;y=1\nz\n=x\n")), text);
    QCOMPARE(parseWindowSettings("[recent]\n files = /a \t, /b \n"),
             (WindowValues{{u"recent/files"_s, QStringList{u"/a"_s, u"/b"_s}}}));
    // The recent files: newest first, each once, the oldest dropped.
    for (int i = 0; i <= recentFileCount; ++i)
        rememberRecentFile(folder.filePath(QString::number(i)));
    rememberRecentFile(folder.filePath(u"4"_s));
    QCOMPARE(recentFiles().join(u' ').remove(folder.path() + u'/'), u"4 8 7 6 5 3 2 1"_s);
    clearRecentFiles();
    QCOMPARE(recentFiles(), QStringList());
    QFile::remove(WindowSettings().path());
}

void TestApplication::writesOnlyWhatItMay_data()
{
    QTest::addColumn<QString>("standing"); // what has the name before the write
    QTest::addColumn<bool>("replace");
    QTest::addColumn<int>("problem");
    QTest::newRow("nothing") << u""_s << false << int(FileStatus::None);
    QTest::newRow("a file, kept") << u"file"_s << false << int(FileStatus::Exists);
    QTest::newRow("a file, replaced") << u"file"_s << true << int(FileStatus::None);
    QTest::newRow("a folder") << u"folder"_s << true << int(FileStatus::NotAFile);
    QTest::newRow("a folder, kept") << u"folder"_s << false << int(FileStatus::NotAFile);
    TestSupport::addSystemStandingRows();
}

void TestApplication::writesOnlyWhatItMay()
{
    // However the name got there, and whenever: the write itself refuses.
    QFETCH(QString, standing);
    QFETCH(bool, replace);
    QFETCH(int, problem);
    QTemporaryDir folder;
    QString path = folder.filePath(u"config.txt"_s);
    const QString target = folder.filePath(u"target.txt"_s);
    QVERIFY(TestSupport::writeFile(target, "target\n"));
    if (standing == u"file")
        QVERIFY(TestSupport::writeFile(path, "old\n"));
    else if (standing == u"folder")
        QVERIFY(QDir().mkdir(path));
    else if (!standing.isEmpty())
        QVERIFY(!(path = TestSupport::putSystemStanding(standing, folder.path(), target)).isEmpty());
    const auto state = [&path]() -> QString {
        const QFileInfo info(path);
        return u"%1 %2 "_s.arg(info.isSymLink()).arg(info.isFile())
                + QString::fromLatin1(info.isFile() ? readAll(path) : QByteArray());
    };
    const QString before = state();

    const FileStatus status = Tessaro::writeFile(path, "new\n",
                                                 replace ? Existing::Replace : Existing::Keep);
    QCOMPARE(int(status.problem), problem);
    QCOMPARE(state(), status.ok() ? u"0 1 new\n"_s : before);
    // A link's target is never written, and nothing is left beside the file.
    QCOMPARE(readAll(target), "target\n"_ba);
    QVERIFY(!QFileInfo::exists(target + u".none"_s));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Hidden | QDir::Files).filter(u".tessaro"_s),
             QStringList());
}

void TestApplication::supportRequest_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("body");
    QTest::newRow("the program's own") << u"Subject: Request (From: Tessaro - 1.1.0)"_s
                                       << u"Here: your question..."_s;
    QTest::newRow("a translation with fields of its own")
            << u"Support&bcc=x@example.org&attach=/etc/passwd&x="_s << u"50% + 50% = 1 # é"_s;
}

void TestApplication::supportRequest()
{
    QFETCH(QString, subject);
    QFETCH(QString, body);
    const QUrl url = supportRequestAddress(subject, body);
    QCOMPARE(url.scheme() + u':' + url.path(), u"mailto:support@orvel.example"_s);
    const QUrlQuery query(url);
    QCOMPARE(query.queryItems(QUrl::FullyDecoded),
             (QList<std::pair<QString, QString>>{{u"subject"_s, subject}, {u"body"_s, body}}));
}

void TestApplication::systemReasons()
{
    // In English, every reason as the system words it; in French, ours.
    for (const auto &[code, text] : TestSupport::systemReasonsInEnglish())
        QCOMPARE(fileProblemText({FileStatus::SystemError, code}), text);
    loadTranslations(Language::French);
    const auto [code, text] = TestSupport::systemReasonInFrench();
    QCOMPARE(fileProblemText({FileStatus::SystemError, code}), text);
    loadBuiltInEnglish();
}

void TestApplication::rivalsAtOneName()
{
    // Two writes of one name at once, neither replacing: one takes it, the
    // other finds it taken, never both.
    for (int trial = 0; trial < 20; ++trial) {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"config.txt"_s);
        FileStatus rivals;
        std::thread rival([&] { rivals = Tessaro::writeFile(path, "rival\n", Existing::Keep); });
        const FileStatus ours = Tessaro::writeFile(path, "ours\n", Existing::Keep);
        rival.join();
        QCOMPARE(int(ours.ok()) + int(rivals.ok()), 1);
        QCOMPARE(readAll(path), ours.ok() ? "ours\n"_ba : "rival\n"_ba);
    }
}

QTEST_GUILESS_MAIN(TestApplication)
#include "tst_application.moc"
