// tessaro-config run as a script would, on temporary files: its exit status,
// what it prints and the bytes it writes, also when the system refuses (as
// nobody when we are root, or with a file size limit: a full disk).

#include "support/childprocess.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

QByteArray golden(const char *name)
{
    return readAll(QFINDTESTDATA(u"data/"_s + QLatin1StringView(name)));
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

void TestCommandLine::run_data()
{
    QTest::addColumn<QString>("setup"); // what the folder holds first
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");   // in stdout, then stderr; @ is the folder
    QTest::addColumn<QString>("file");     // a file the run leaves ...
    QTest::addColumn<QByteArray>("bytes"); // ... with these bytes

    QTest::newRow("check, a clean file")
            << u"default"_s << QStringList{u"check"_s, u"in.txt"_s} << 0
            << u"in.txt: 23 recognised, 0 refused, 0 ignored\n"_s << QString() << QByteArray();
    QTest::newRow("check, a file with an error")
            << u"error"_s << QStringList{u"check"_s, u"in.txt"_s} << 1
            << u"#ID:--------------------------> OK\n#POWER:-----------------------> ERROR "
               u"Line(3)\nin.txt: 2 recognised, 1 refused, 1 ignored\n"_s
            << QString() << QByteArray();
    QTest::newRow("check, a FIFO") << u"fifo"_s << QStringList{u"check"_s, u"in.txt"_s} << 2
                                   << u"tessaro-config: cannot read in.txt: not a regular file\n"_s
                                   << QString() << QByteArray();
    QTest::newRow("check, over 1 MiB")
            << u"big"_s << QStringList{u"check"_s, u"in.txt"_s} << 2
            << u"tessaro-config: cannot read in.txt: larger than 1 MiB, not a configuration "
               u"file\n"_s
            << QString() << QByteArray();
    QTest::newRow("generate with sets")
            << QString() << QStringList{u"generate"_s,       u"--set"_s,         u"VOLUME=20"_s,
                                        u"--set"_s,          u"INPUT01=RS042"_s, u"--set"_s,
                                        u"BAUDRATE=38400"_s, u"--unset"_s,       u"BOOT"_s}
            << 0 << QString() << u"config.txt"_s << golden("set-config.txt");
    QTest::newRow("generate from a file, to standard output")
            << u"error"_s << QStringList{u"generate"_s, u"--from"_s, u"in.txt"_s, u"-o"_s, u"-"_s}
            << 1 << u"#ID:005\r\n#POWER:0\r\ntessaro-config: in.txt: line 3 refused\n"_s
            << QString() << QByteArray();
    QTest::newRow("generate, a bad --set")
            << QString() << QStringList{u"generate"_s, u"--set"_s, u"VOLUME=65"_s} << 1
            << u"tessaro-config: --set VOLUME=65: VOLUME accepts 0 to 64\n"_s << u"config.txt"_s
            << QByteArray("<unreadable>");
    QTest::newRow("generate over a file, without --force")
            << u"old"_s << QStringList{u"generate"_s} << 2
            << u"tessaro-config: config.txt already exists; --force replaces it\n"_s
            << u"config.txt"_s << QByteArray("#ID:007\r\n");
    QTest::newRow("generate, disk full")
            << u"old, full disk"_s << QStringList{u"generate"_s, u"--force"_s} << 2
            << u"tessaro-config: cannot write config.txt: "_s << u"config.txt"_s
            << QByteArray("#ID:007\r\n");
    QTest::newRow("batch, three units")
            << u"error"_s
            << QStringList{u"batch"_s,  u"--ids"_s,   u"1-3"_s,    u"--out-dir"_s, u"@/out"_s,
                           u"--name"_s, u"unit-%1"_s, u"--from"_s, u"in.txt"_s}
            << 1
            << u"@/out/unit-001/config.txt\n@/out/unit-002/config.txt\n"
               u"@/out/unit-003/config.txt\ntessaro-config: in.txt: line 3 refused\n"_s
            << u"out/unit-003/config.txt"_s << QByteArray("#ID:003\r\n#POWER:0\r\n");
    QTest::newRow("batch, an unwritable --out-dir")
            << u"read-only folder"_s
            << QStringList{u"batch"_s, u"--ids"_s, u"5-5"_s, u"--out-dir"_s, u"@/out"_s} << 2
            << u"tessaro-config: cannot write @/out/ID005/config.txt: Permission denied\n"_s
            << u"out/ID005/config.txt"_s << QByteArray("<unreadable>");
}

void TestCommandLine::run()
{
    QFETCH(QString, setup);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);

    QTemporaryDir folder;
    QVERIFY(setMode(folder.path(), 0777));
    const QString in = folder.filePath(u"in.txt"_s);
    if (setup == u"default")
        QVERIFY(writeFile(in, golden("default-config.txt")));
    else if (setup == u"error")
        QVERIFY(writeFile(in, "; unit 5\n#ID:5\n#POWER:7\n"));
    else if (setup == u"fifo")
        QCOMPARE(mkfifo(QFile::encodeName(in).constData(), 0666), 0);
    else if (setup == u"big")
        QVERIFY(writeFile(in, QByteArray(1024 * 1024 + 1, '#')));
    else if (setup.startsWith(u"old"))
        QVERIFY(writeFile(folder.filePath(u"config.txt"_s), "#ID:007\r\n"));
    else if (setup == u"read-only folder")
        QVERIFY(QDir(folder.path()).mkdir(u"out"_s) && setMode(folder.filePath(u"out"_s), 0555));

    ChildOptions options;
    options.workingDirectory = folder.path();
    options.unprivileged = true;
    options.fileSizeLimit = setup.endsWith(u"full disk") ? 100 : 0;
    const ChildResult result = runChild(QStringLiteral(TESSARO_CONFIG),
                                        arguments.replaceInStrings(u"@"_s, folder.path()), options);
    QCOMPARE(result.exitCode, exitCode);
    const QString printed = QString::fromUtf8(result.output + result.errors);
    QVERIFY2(printed.contains(output.replace(u'@', folder.path())), qPrintable(printed));
    if (!file.isEmpty())
        QCOMPARE(readAll(folder.filePath(file)), bytes);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
