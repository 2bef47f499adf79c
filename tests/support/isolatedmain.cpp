#include "isolatedmain.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace TestSupport {

namespace {
constexpr char copyMarker[] = "TESSARO_TEST_COPY";
}

std::optional<int> runFromTemporaryCopy(int argc, char **argv)
{
    if (qEnvironmentVariableIsSet(copyMarker))
        return std::nullopt;
    QCoreApplication launcher(argc, argv);
    QTemporaryDir folder;
    const QString original = QCoreApplication::applicationFilePath();
    const QString copy = folder.filePath(QFileInfo(original).fileName());
    if (!folder.isValid() || !QFile::copy(original, copy)) {
        qCritical("cannot copy %s into a temporary folder", qPrintable(original));
        return 1;
    }
    qputenv(copyMarker, "1");
    const int result = QProcess::execute(copy, QCoreApplication::arguments().mid(1));
    if (result < 0)
        qCritical("%s did not run to its end", qPrintable(copy));
    return result < 0 ? 1 : result;
}

} // namespace TestSupport
