// How long the configuration file's rules take: writing a whole form,
// reading a normal file, and reading the largest file an import accepts.

#include "configurationfile.h"
#include "configurationformat.h"

#include <QTest>

using namespace Tessaro;

namespace {

FormSettings everyRowTicked()
{
    FormSettings settings;
    for (int i = 0; i < optionCount; ++i)
        settings[i] = {true, optionCatalogue[i].defaultValue};
    return settings;
}

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
    void writeEveryRow();
    void readNormalFile();
    void readLargestFile();
    void reportLargestFile();
};

void BenchConfigurationFormat::writeEveryRow()
{
    const FormSettings settings = everyRowTicked();
    QBENCHMARK {
        configurationText(settings);
    }
}

void BenchConfigurationFormat::readNormalFile()
{
    const QByteArray content = configurationText(everyRowTicked());
    QBENCHMARK {
        readConfiguration(content);
    }
}

void BenchConfigurationFormat::readLargestFile()
{
    const QByteArray content = largestAcceptedFile();
    QBENCHMARK {
        readConfiguration(content);
    }
}

void BenchConfigurationFormat::reportLargestFile()
{
    const QList<RecognisedLine> lines = readConfiguration(largestAcceptedFile());
    QBENCHMARK {
        importReport(lines);
    }
}

QTEST_GUILESS_MAIN(BenchConfigurationFormat)
#include "bench_configurationformat.moc"
