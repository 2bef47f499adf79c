#pragma once

#include "form/mainwindowform.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>

// The main window's form alone: the same 23 rows, menus and tool bar, with
// empty value lists. Nothing the program does at start can cost less.
struct BareForm
{
    BareForm()
    {
        form.setupUi(&window);
        window.setWindowTitle(QCoreApplication::applicationName());
    }
    QMainWindow window;
    Ui::MainWindow form;
};

// Returns once window has processed its next paint event.
inline void waitForPaint(QWidget &window)
{
    struct PaintSpy : QObject
    {
        bool painted = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } spy;
    window.installEventFilter(&spy);
    window.update();
    while (!spy.painted)
        QCoreApplication::processEvents();
    window.removeEventFilter(&spy);
}

// Shows window and returns once it has been painted.
inline void showAndPaint(QWidget &window)
{
    window.show();
    waitForPaint(window);
}
