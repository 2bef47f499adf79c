// How long generating and importing take, without their dialogs: a whole
// form, a normal file, and the largest file an import accepts; writing the
// files of 127 units, against 127 single files; and the command line's check
// of the largest file.

#include "core/format/configurationfile.h"
#include "core/format/configurationformat.h"
#include "core/format/importreport.h"
#include "core/unitfiles.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
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
    void writeSingleFiles();
    void writeUnitFiles();
    void checkCommand();

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
        QVERIFY(writeFile(path, configurationText(settings), Existing::Replace).ok());
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
        QVERIFY(loadConfigurationFile(path, read).ok());
        const FileReading reading = readConfiguration(read);
        importedRows(reading.recognised);
        importReport(reading.recognised);
    }
}

void BenchConfigurationFormat::writeSingleFiles()
{
    const FormSettings settings = defaultSettings(true);
    QBENCHMARK {
        for (int id = firstUnitId; id <= lastUnitId; ++id)
            QVERIFY(writeFile(m_folder.filePath(u"single%1.txt"_s.arg(id)),
                              configurationText(unitSettings(settings, id)), Existing::Replace)
                            .ok());
    }
}

void BenchConfigurationFormat::writeUnitFiles()
{
    const QList<UnitFile> units = unitFiles(m_folder.filePath(u"units"_s), defaultUnitFolderPattern,
                                            firstUnitId, lastUnitId);
    const FormSettings settings = defaultSettings(true);
    QBENCHMARK {
        for (const UnitFile &unit : units)
            QVERIFY(writeUnitFile(unit, settings, Existing::Replace).ok());
    }
}

void BenchConfigurationFormat::checkCommand()
{
    const QString path = m_folder.filePath(u"largest.txt"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(largestAcceptedFile()) > 0);
    file.close();
    QBENCHMARK {
        QProcess check;
        check.setStandardOutputFile(QProcess::nullDevice());
        check.setStandardErrorFile(QProcess::nullDevice());
        check.start(QStringLiteral(TESSARO_CONFIG), {u"check"_s, path});
        QVERIFY(check.waitForFinished());
        QCOMPARE(check.exitCode(), 1);
    }
}

QTEST_GUILESS_MAIN(BenchConfigurationFormat)
#include "bench_configurationformat.moc"
