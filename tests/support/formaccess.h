#pragma once

#include "form/optioncatalogue.h"

#include <QStringList>

class QAction;
class QCheckBox;
class QLabel;
class QWidget;

// Shows a form in a failed comparison as a file holds it: its ticked rows.
namespace Tessaro {
char *toString(const FormSettings &settings);
}

namespace TestSupport {

// A main window's parts, found by the object names the catalogue and the form give them.
QCheckBox *checkBox(const QWidget *window, int row);
QWidget *valueWidget(const QWidget *window, int row); // the spin box or combo box
QAction *action(const QWidget *window, const QString &name);
QLabel *pathField(const QWidget *window);

// The form as the window shows it, and set as a user would.
Tessaro::FormSettings formState(const QWidget *window);
void setFormState(const QWidget *window, const Tessaro::FormSettings &settings);

// Every row at its default, ticked or not, then the rows named as "#KEY:value"
// (ticked) or "-#KEY:value" (unticked) at that widget value.
Tessaro::FormSettings formWith(const QStringList &rows, bool othersTicked = false);

} // namespace TestSupport
