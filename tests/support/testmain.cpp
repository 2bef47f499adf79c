#include "support/testmain.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace TestSupport {

std::optional<int> runFromTemporaryCopy(int argc, char **argv)
{
    constexpr char copyMarker[] = "TESSARO_TEST_COPY";
    if (qEnvironmentVariableIsSet(copyMarker))
        return std::nullopt;
    QCoreApplication launcher(argc, argv);
    QTemporaryDir folder;
    const QString copy =
            folder.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    if (!folder.isValid() || !QFile::copy(QCoreApplication::applicationFilePath(), copy)) {
        qCritical("cannot copy the test into a temporary folder");
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

QString preferencesPath()
{
    return QCoreApplication::applicationDirPath()
            + QStringLiteral("/Tessaro - Configuration File Generator.cfg");
}

void WindowTest::startWindow()
{
    window.reset();
    window = std::make_unique<MainWindow>();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void WindowTest::cleanup()
{
    window.reset();
    QFile::remove(preferencesPath());
}

} // namespace TestSupport
