#pragma once

#include "gui/optionform.h"

#include <QStringList>

class QAction;
class QLabel;

// Shows a form in a failed comparison as a file holds it: its ticked rows.
namespace Tessaro {
char *toString(const FormSettings &settings);
}

namespace TestSupport {

// A window's child of that name; the test stops when there is none.
template<typename T = QWidget> T *named(const QWidget *window, const QString &name)
{
    T *child = window->findChild<T *>(name);
    if (!child)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return child;
}
QAction *action(const QWidget *window, const QString &name);
QLabel *pathField(const QWidget *window);

// The form a main window shows, as its data.
inline Tessaro::FormSettings formState(const QWidget *window)
{
    return named<OptionForm>(window, QStringLiteral("scrollAreaWidgetContents"))->settings();
}
inline void setFormState(const QWidget *window, const Tessaro::FormSettings &settings)
{
    named<OptionForm>(window, QStringLiteral("scrollAreaWidgetContents"))->setSettings(settings);
}

// How a window's named widgets and layouts are set to look, one line each,
// whatever the fonts: the size policy, colours, font style, alignment, frame
// and margins given to them, and where they sit in their layout; enumerators
// by name.
QStringList look(const QWidget *window);

// What a person meets in a dialog, in its layout's order, one line each: each
// widget's class, name and text, whether it is hidden or disabled, whether a list wraps
// long entries, the field a label names, where Tab goes next.
QStringList uses(const QWidget *dialog);

// Every row at its default, ticked or not, then the rows named as "#KEY:value"
// (ticked) or "-#KEY:value" (unticked) at that widget value.
Tessaro::FormSettings formWith(const QStringList &rows, bool othersTicked = false);

} // namespace TestSupport
