#pragma once

#include <QStringList>

class QAction;
class QCheckBox;
class QLabel;
class QWidget;

namespace TestSupport {

// The 23 option rows by the stem of their object names, in catalogue order.
extern const QStringList rowStems;

// A form as FormAccess::state() shows it: every row at its default, ticked
// or not, then the rows named as "stem=value" ticked with that value.
QStringList formWith(const QStringList &ticked, bool othersTicked = false);

// Reaches a main window's parts by the object names the form gives them, as
// a user's view of the window: check boxes, values, actions, the path field.
class FormAccess
{
public:
    explicit FormAccess(QWidget *window) : m_window(window) { }

    QCheckBox *checkBox(const QString &stem) const;
    QWidget *valueWidget(const QString &stem) const; // the spin box or combo box
    bool ticked(const QString &stem) const;
    void setTicked(const QString &stem, bool ticked) const;
    int value(const QString &stem) const; // spin box value or list entry
    void setValue(const QString &stem, int value) const;
    QAction *action(const QString &name) const;
    QLabel *label(const QString &name) const;

    // Every row as "stem=value", "-" in front of an unticked one.
    QStringList state() const;
    // Ticks and sets the rows named in the same form.
    void setState(const QStringList &rows) const;

private:
    QWidget *m_window;
};

} // namespace TestSupport
