// The program's own files (preferences, window icon, translations) when
// something else stands in their place: the program starts, shows its
// window, and neither loses its file nor writes through a planted one. Each
// case runs the window in a child process, as nobody when we are root.

#include "support/childprocess.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

QByteArray preferences(const QByteArray &language)
{
    return "MSC11.00\n\n\n\n\n\n" + language + '\n';
}

} // namespace

class TestOwnFiles : public QObject
{
    Q_OBJECT

private slots:
    void programStartsAndKeepsItsFiles_data();
    void programStartsAndKeepsItsFiles();
};

void TestOwnFiles::programStartsAndKeepsItsFiles_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("sizeLimit");
    QTest::addColumn<QString>("shown"); // what the window shows, in the probe's words
    QTest::newRow("disk full when the window closes")
            << u"preferences"_s << 100 << u"checked=action_Fran_ais"_s;
    QTest::newRow("preferences a link to a file elsewhere")
            << u"link"_s << 0 << u"checked=action_Fran_ais"_s;
    QTest::newRow("preferences a FIFO") << u"fifo"_s << 0 << u"checked=action_Fran_ais"_s;
    QTest::newRow("window icon a FIFO") << u"icon fifo"_s << 0 << u"icon=256x256 48x48"_s;
}

void TestOwnFiles::programStartsAndKeepsItsFiles()
{
    QFETCH(QString, setup);
    QFETCH(int, sizeLimit);
    QFETCH(QString, shown);

    QTemporaryDir folder;
    QTemporaryDir elsewhere;
    QVERIFY(setMode(folder.path(), 0777) && setMode(elsewhere.path(), 0777));
    const QString probe = copyForEveryone(QStringLiteral(WINDOW_PROBE), folder.path());
    const QString stored = folder.filePath(u"Tessaro - Configuration File Generator.cfg"_s);
    const QString target = elsewhere.filePath(u"passwd"_s);
    QVERIFY(writeFile(target, "root:x:0:0:root:/root:/bin/bash\n"));
    QVERIFY(setMode(target, 0666));
    if (setup == u"preferences")
        QVERIFY(writeFile(stored, preferences("French")) && setMode(stored, 0666));
    else if (setup == u"link")
        QVERIFY(QFile::link(target, stored));
    else if (setup == u"fifo")
        QCOMPARE(mkfifo(QFile::encodeName(stored).constData(), 0666), 0);
    else
        QCOMPARE(mkfifo(QFile::encodeName(folder.filePath(u"ico256x256Win.ico"_s)).constData(),
                        0666),
                 0);

    ChildOptions options;
    options.unprivileged = true;
    options.fileSizeLimit = sizeLimit;
    options.workingDirectory = folder.path();
    const ChildResult result = runChild(probe, {u"action_Fran_ais"_s}, options);
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.output.contains(shown.toUtf8()), result.output.constData());
    // The file stays as it was, and so does whatever stood in its place.
    QCOMPARE(readAll(target), QByteArray("root:x:0:0:root:/root:/bin/bash\n"));
    if (setup == u"preferences")
        QCOMPARE(readAll(stored), preferences("French"));
    else if (setup == u"link")
        QVERIFY(QFileInfo(stored).isSymLink());
    else if (setup == u"fifo")
        QVERIFY(!QFileInfo(stored).isFile());
}

QTEST_GUILESS_MAIN(TestOwnFiles)
#include "tst_ownfiles.moc"
