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
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedChannels);
    run.start(copy, QCoreApplication::arguments().mid(1));
    // Bounded, so that a test stuck in a dialog fails instead of hanging CI.
    if (!run.waitForFinished(120000)) {
        qCritical("gave up after 120 s waiting for %s to end", qPrintable(copy));
        run.kill();
        run.waitForFinished();
        return 1;
    }
    return run.exitStatus() == QProcess::NormalExit ? run.exitCode() : 1;
}

} // namespace TestSupport
