#pragma once

#include "app/applicationidentity.h"
#include "form/mainwindow.h"

#include <QApplication>
#include <QTest>

#include <memory>
#include <optional>

namespace TestSupport {

// The main window reads and writes its preferences file beside the
// executable. Unless it already is one, the test binary runs a copy of itself
// from a fresh QTemporaryDir, so that no run sees another's file and nothing
// is left in the build tree. Gives the copy's result, or nothing in the copy.
std::optional<int> runFromTemporaryCopy(int argc, char **argv);

// The preferences file beside the executable.
QString preferencesPath();

// A main window shown before each test function, as the program shows it,
// and closed after it with the preferences file it leaves: each function
// starts in the system's language.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    // Closes the window, if any, then shows a new one.
    void startWindow();
    std::unique_ptr<MainWindow> window;

private slots:
    void init() { startWindow(); }
    void cleanup();
};

} // namespace TestSupport

#define TESSARO_WINDOW_TEST_MAIN(TestClass) \
    int main(int argc, char **argv) \
    { \
        if (const std::optional<int> copyResult = TestSupport::runFromTemporaryCopy(argc, argv)) \
            return *copyResult; \
        Tessaro::setApplicationIdentity(); \
        QApplication application(argc, argv); \
        TestClass test; \
        return QTest::qExec(&test, argc, argv); \
    }
