// Saving and loading configuration files under faults. Each step runs in a
// child process, so that it can meet permission bits (as nobody when we are
// root) or a file size limit.

#include "childprocess.h"
#include "configurationfile.h"
#include "files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

const QByteArray oldContent = "#ID:001\r\n";
const QByteArray newContent = QByteArray("#VOLUME:07\r\n").repeated(40);

} // namespace

class TestConfigurationFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void saving_data();
    void saving();
    void loading_data();
    void loading();

private:
    QString prepare(const QString &setup);

    std::unique_ptr<QTemporaryDir> m_root;
    QString m_child;
    QString m_folder;
};

void TestConfigurationFile::initTestCase()
{
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    QVERIFY(setMode(m_root->path(), 0755));
    m_child = copyForEveryone(QStringLiteral(CONFIGURATION_FILE_CHILD), m_root->path());
    QVERIFY(!m_child.isEmpty());
}

void TestConfigurationFile::init()
{
    // A fresh folder per case that the unprivileged user may write in.
    static int count = 0;
    m_folder = m_root->filePath(u"case%1"_s.arg(++count));
    QVERIFY(QDir().mkdir(m_folder));
    QVERIFY(setMode(m_folder, 0777));
}

// Builds the situation a case names and returns the path to save or load.
QString TestConfigurationFile::prepare(const QString &setup)
{
    const QString target = m_folder + u"/config.txt"_s;
    if (setup == u"new file")
        return target;
    if (setup == u"missing folder")
        return m_folder + u"/missing/config.txt"_s;
    if (setup == u"directory") {
        QDir().mkdir(target);
        return target;
    }
    if (setup == u"dangling link") {
        QFile::link(m_folder + u"/gone.txt"_s, target);
        return target;
    }
    if (setup == u"fifo") {
        mkfifo(QFile::encodeName(target).constData(), 0666);
        return target;
    }
    if (setup == u"device")
        return u"/dev/zero"_s;
    if (setup == u"1 MiB")
        writeFile(target, QByteArray(Tessaro::maximumConfigurationFileSize, '#'));
    else if (setup == u"1 MiB and a byte")
        writeFile(target, QByteArray(Tessaro::maximumConfigurationFileSize + 1, '#'));
    else
        writeFile(target, oldContent);
    setMode(target, 0666);
    if (setup == u"read-only file")
        setMode(target, 0444);
    else if (setup == u"read-only folder")
        setMode(m_folder, 0755);
    else if (setup == u"unreadable file")
        setMode(target, 0200);
    return target;
}

void TestConfigurationFile::saving_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("unprivileged");
    QTest::addColumn<int>("sizeLimit");
    QTest::addColumn<bool>("saved");

    QTest::newRow("new file") << u"new file"_s << false << 0 << true;
    QTest::newRow("replaced file") << u"old file"_s << false << 0 << true;
    QTest::newRow("replaced file, unprivileged") << u"old file"_s << true << 0 << true;
    QTest::newRow("folder not writable") << u"read-only folder"_s << true << 0 << false;
    QTest::newRow("read-only file") << u"read-only file"_s << true << 0 << false;
    QTest::newRow("target is a directory") << u"directory"_s << false << 0 << false;
    QTest::newRow("missing folder") << u"missing folder"_s << false << 0 << false;
    QTest::newRow("disk full while writing") << u"old file"_s << false << 100 << false;
    QTest::newRow("disk full, new file") << u"new file"_s << false << 100 << false;
}

void TestConfigurationFile::saving()
{
    QFETCH(QString, setup);
    QFETCH(bool, unprivileged);
    QFETCH(int, sizeLimit);
    QFETCH(bool, saved);

    const QString path = prepare(setup);
    const bool existed = QFileInfo(path).isFile();
    const QStringList before = QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    QStringList arguments{u"save"_s, path};
    if (sizeLimit > 0)
        arguments.append(QString::number(sizeLimit));

    ChildOptions options;
    options.input = newContent;
    options.unprivileged = unprivileged;
    const ChildResult result = runChild(m_child, arguments, options);
    QCOMPARE(result.exitCode, saved ? 0 : 1);
    if (saved)
        QCOMPARE(readAll(path), newContent);
    else if (existed)
        QCOMPARE(readAll(path), oldContent);
    else
        QVERIFY(!QFileInfo(path).isFile());
    // Nothing half-written is left beside the file.
    QStringList after = QDir(m_folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    if (saved && !existed)
        after.removeOne(u"config.txt"_s);
    QCOMPARE(after, before);
}

void TestConfigurationFile::loading_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("unprivileged");
    QTest::addColumn<QByteArray>("outcome");

    QTest::newRow("configuration file") << u"old file"_s << false << QByteArray("loaded 9\n");
    QTest::newRow("1 MiB") << u"1 MiB"_s << false << QByteArray("loaded 1048576\n");
    QTest::newRow("1 MiB and a byte")
            << u"1 MiB and a byte"_s << false << QByteArray("unreadable\n");
    QTest::newRow("missing") << u"new file"_s << false << QByteArray("missing\n");
    QTest::newRow("dangling link") << u"dangling link"_s << false << QByteArray("missing\n");
    QTest::newRow("directory") << u"directory"_s << false << QByteArray("unreadable\n");
    QTest::newRow("fifo") << u"fifo"_s << false << QByteArray("unreadable\n");
    QTest::newRow("/dev/zero") << u"device"_s << false << QByteArray("unreadable\n");
    QTest::newRow("unreadable file") << u"unreadable file"_s << true << QByteArray("unreadable\n");
}

void TestConfigurationFile::loading()
{
    QFETCH(QString, setup);
    QFETCH(bool, unprivileged);
    QFETCH(QByteArray, outcome);

    ChildOptions options;
    options.unprivileged = unprivileged;
    const ChildResult result = runChild(m_child, {u"load"_s, prepare(setup)}, options);
    QCOMPARE(result.output, outcome);
}

QTEST_GUILESS_MAIN(TestConfigurationFile)
#include "tst_configurationfile.moc"
