// Saving and loading configuration files when the system refuses: each step
// runs in a child process, so that it can meet permission bits (as nobody
// when we are root) or a file size limit.

#include "support/childprocess.h"
#include "support/files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;
using namespace TestSupport;

class TestConfigurationFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void saving_data();
    void saving();
    void loading_data();
    void loading();

private:
    QTemporaryDir m_root;
    QString m_child;
};

void TestConfigurationFile::initTestCase()
{
    QVERIFY(setMode(m_root.path(), 0777));
    m_child = copyForEveryone(QStringLiteral(CONFIGURATION_FILE_CHILD), m_root.path());
    QVERIFY(!m_child.isEmpty());
}

void TestConfigurationFile::saving_data()
{
    QTest::addColumn<unsigned>("folderMode");
    QTest::addColumn<int>("sizeLimit");
    QTest::addColumn<bool>("saved");
    QTest::newRow("replaced") << 0777u << 0 << true;
    QTest::newRow("folder not writable") << 0555u << 0 << false;
    QTest::newRow("disk full while writing") << 0777u << 100 << false;
}

void TestConfigurationFile::saving()
{
    QFETCH(unsigned, folderMode);
    QFETCH(int, sizeLimit);
    QFETCH(bool, saved);

    const QString folder = m_root.filePath(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + u"/config.txt"_s;
    const QByteArray old = "#ID:001\r\n";
    QVERIFY(writeFile(path, old));
    QVERIFY(setMode(path, 0666) && setMode(folder, folderMode));
    ChildOptions options;
    options.input = QByteArray("#VOLUME:07\r\n").repeated(40);
    options.unprivileged = true;
    options.fileSizeLimit = sizeLimit;

    QCOMPARE(runChild(m_child, {u"save"_s, path}, options).exitCode, saved ? 0 : 1);
    // All or nothing, and nothing half-written left beside the file.
    QCOMPARE(readAll(path), saved ? options.input : old);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{u"config.txt"_s});
}

void TestConfigurationFile::loading_data()
{
    QTest::addColumn<QByteArray>("content"); // null: a FIFO
    QTest::addColumn<QByteArray>("outcome");
    QTest::newRow("configuration file") << QByteArray("#ID:5\r\n") << QByteArray("loaded 7\n");
    QTest::newRow("1 MiB") << QByteArray(1024 * 1024, '#') << QByteArray("loaded 1048576\n");
    QTest::newRow("1 MiB and a byte")
            << QByteArray(1024 * 1024 + 1, '#') << QByteArray("unreadable\n");
    QTest::newRow("FIFO") << QByteArray() << QByteArray("unreadable\n");
}

void TestConfigurationFile::loading()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, outcome);
    const QString path = m_root.filePath(QString::fromLatin1(QTest::currentDataTag()));
    if (content.isNull())
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(writeFile(path, content));
    QCOMPARE(runChild(m_child, {u"load"_s, path}).output, outcome);
}

QTEST_GUILESS_MAIN(TestConfigurationFile)
#include "tst_configurationfile.moc"
