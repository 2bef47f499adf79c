#pragma once

#include "core/catalogue/functionlistmodel.h"
#include "gui/mainwindowform.h"
#include "gui/optionform.h"

#include <QComboBox>

#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWidget>

// The main window's form alone: the same rows, menus and tool bar, with
// empty value lists, at the main window's opening size. Nothing the program
// does at start can cost less.
struct BareForm
{
    explicit BareForm(QSize size)
    {
        form.setupUi(&window);
        window.setWindowTitle(QCoreApplication::applicationName());
        window.resize(size);
    }
    QMainWindow window;
    Ui::MainWindow form;

    // Ticks every row and fills the lists once, as the main window shows
    // them: re-texting this form alone is then what a language switch does
    // beyond refilling the lists.
    void showValues()
    {
        form.form->findChild<FunctionListModel *>()->fill();
        for (const Tessaro::OptionRow &row : Tessaro::optionCatalogue) {
            auto *combo = form.form->findChild<QComboBox *>(
                    QStringLiteral("comboBox_") + QLatin1StringView(row.objectStem));
            if (combo && combo->count() == 0)
                combo->addItems(Tessaro::valueListTexts(row.list));
        }
        form.form->setSettings(Tessaro::defaultSettings(true));
    }
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
