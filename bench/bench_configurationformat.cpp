// How long generating and importing take, without their dialogs: a whole
// form, a normal file, and the largest file an import accepts.

#include "config/configurationfile.h"
#include "config/configurationformat.h"
#include "config/importreport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Tessaro;

namespace {

// 1 MiB of recognised lines, alternating accepted and refused values.
QByteArray largestAcceptedFile()
{
    const QByteArray lines = "#ID:005\r\n#VOLUME:99\r\n#INPUT07:RS042\r\n#BAUDRATE:9600\r\n";
    QByteArray content;
    while (content.size() + lines.size() <= maximumConfigurationFileSize)
        content += lines;
    return content;
}

} // namespace

class BenchConfigurationFormat : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void generateFile();
    void importFile_data();
    void importFile();

private:
    QTemporaryDir m_folder;
};

void BenchConfigurationFormat::initTestCase()
{
    QVERIFY(m_folder.isValid());
}

void BenchConfigurationFormat::generateFile()
{
    const FormSettings settings = defaultSettings(true);
    const QString path = m_folder.filePath(QStringLiteral("config.txt"));
    QBENCHMARK {
        QVERIFY(saveConfigurationFile(path, configurationText(settings)));
    }
}

void BenchConfigurationFormat::importFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("every row") << configurationText(defaultSettings(true));
    QTest::newRow("1 MiB of lines") << largestAcceptedFile();
}

void BenchConfigurationFormat::importFile()
{
    // All an import does before it shows its report: read the file, read its
    // lines, settle each row, write the report.
    QFETCH(QByteArray, content);
    const QString path = m_folder.filePath(QStringLiteral("import.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    QBENCHMARK {
        QByteArray read;
        QCOMPARE(loadConfigurationFile(path, read), ReadResult::Read);
        const QList<RecognisedLine> lines = readConfiguration(read);
        importedRows(lines);
        importReport(lines);
    }
}

QTEST_GUILESS_MAIN(BenchConfigurationFormat)
#include "bench_configurationformat.moc"
