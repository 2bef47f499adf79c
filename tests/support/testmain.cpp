#include "support/testmain.h"

#include "core/windowsettings.h"

#include <QFile>

namespace TestSupport {

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
    QFile::remove(Tessaro::WindowSettings().path());
}

} // namespace TestSupport
