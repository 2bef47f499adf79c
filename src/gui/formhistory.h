#pragma once

#include "core/format/configurationformat.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

class QAction;
class QLineEdit;
class QSpinBox;
class OptionForm;

// The form's changes as steps that Undo takes back and Redo makes again: a
// row changed by hand (consecutive changes of one row are one step), and
// each command that changes the whole form. A step keeps the form's data
// before and after it; the form's widgets alone hold what it is now. In the
// number field the user is in, Undo and Redo first take the typing done
// there since the last step; older typing is part of the steps.
class FormHistory : public QObject
{
    Q_OBJECT

public:
    // Drives undo and redo, whose texts name the step they would take.
    FormHistory(OptionForm *form, QAction *undo, QAction *redo, QObject *parent);

    // Runs change as one step named name (translated in context
    // "MainWindow"), unless it leaves the form as it was. shown, if any,
    // shows beside the form what the step brought: it runs after change, and
    // again each time the step is redone. A step run inside another is part
    // of it.
    void record(const char *name, const std::function<void()> &change,
                const std::function<void()> &shown = {});
    // Forgets every step: the form as it is now is where Undo stops.
    void clear();
    // The texts of Undo and Redo in the current language.
    void retranslate();

signals:
    // Undo or Redo put back the form a whole-form command had changed.
    void wholeFormRestored();

private:
    friend class FormStep;
    void formChanged();
    void apply(const Tessaro::FormSettings &settings, bool wholeForm);
    void undo();
    void redo();
    void focusChanged(QWidget *now);
    // The number fields forget what they could undo or redo, but the field
    // of keptRow, whose typing makes the step being recorded.
    void forgetTyping(int keptRow);

    OptionForm *m_form;
    QAction *m_undo;
    QAction *m_redo;
    QList<QSpinBox *> m_numbers;
    QLineEdit *m_field = nullptr; // of the number field the user is in
    QUndoStack m_stack;
    Tessaro::FormSettings m_settled; // the form after the last step
    int m_depth = 0;                 // of record() calls running
    bool m_applying = false;
    bool m_lastWasChange = false;    // not an undo or redo
};
