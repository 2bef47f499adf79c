#pragma once

#include "core/applicationidentity.h"
#include "gui/mainwindow.h"

#include <QTest>

#include <memory>

namespace TestSupport {

// The preferences file beside the executable.
QString preferencesPath();

// A main window shown before each test function, as the program shows it, and
// closed after it with its preferences file: each starts in the system's language.
class WindowTest : public QObject
{
    Q_OBJECT

protected:
    // Closes the window, if any, then shows a new one.
    void startWindow();
    std::unique_ptr<MainWindow> window;

private slots:
    void initTestCase() { Tessaro::setApplicationIdentity(); }
    void init() { startWindow(); }
    void cleanup();
};

} // namespace TestSupport
