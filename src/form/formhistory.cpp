#include "form/formhistory.h"

#include "form/optionform.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSpinBox>

using Tessaro::FormSettings;

// One step: the form before and after it, and what it was.
class FormStep : public QUndoCommand
{
public:
    FormStep(FormHistory *history, FormSettings before, FormSettings after, const char *name,
             int row)
        : m_history(history), m_before(std::move(before)), m_after(std::move(after)),
          m_name(name), m_row(row)
    {
    }

    // Consecutive changes of a row by hand merge, not a change made after
    // an undo or redo; whole-form steps never do.
    int id() const override { return m_row < 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const FormStep *>(other);
        if (next->m_row != m_row || !m_history->m_lastWasChange)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before);
        return true;
    }
    void undo() override { m_history->apply(m_before, m_row < 0); }
    void redo() override
    {
        // Pushed once done: the form already shows it, and a number being
        // typed keeps its field untouched.
        if (std::exchange(m_pushed, false))
            return;
        m_history->apply(m_after, m_row < 0);
    }

    QString name() const
    {
        if (m_row < 0)
            return QCoreApplication::translate("MainWindow", m_name);
        return QCoreApplication::translate("MainWindow", "%1 Change")
                .arg(nameFromLabel(Tessaro::optionLabel(Tessaro::optionCatalogue[m_row])));
    }

private:
    FormHistory *m_history;
    FormSettings m_before;
    FormSettings m_after;
    const char *m_name;
    int m_row; // the row changed by hand, or -1
    bool m_pushed = true;
};

FormHistory::FormHistory(OptionForm *form, QAction *undo, QAction *redo, QObject *parent)
    : QObject(parent), m_form(form), m_undo(undo), m_redo(redo), m_settled(form->settings())
{
    connect(form, &OptionForm::settingsChanged, this, &FormHistory::formChanged);
    connect(undo, &QAction::triggered, &m_stack, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &m_stack, &QUndoStack::redo);
    // Through the action: the stack clears itself when destroyed, after it.
    connect(&m_stack, &QUndoStack::indexChanged, undo, [this] { retranslate(); });
    for (QSpinBox *number : form->findChildren<QSpinBox *>())
        number->installEventFilter(this);
    retranslate();
}

void FormHistory::record(const char *name, const std::function<void()> &change)
{
    if (m_depth > 0)
        return change();
    const FormSettings before = m_form->settings();
    ++m_depth;
    change();
    --m_depth;
    m_settled = m_form->settings();
    if (m_settled != before) {
        m_stack.push(new FormStep(this, before, m_settled, name, -1));
        m_lastWasChange = true;
    }
}

void FormHistory::clear()
{
    m_stack.clear();
    m_settled = m_form->settings();
}

void FormHistory::retranslate()
{
    const auto *undone = static_cast<const FormStep *>(m_stack.command(m_stack.index() - 1));
    const auto *redone = static_cast<const FormStep *>(m_stack.command(m_stack.index()));
    m_undo->setText(undone ? QCoreApplication::translate("MainWindow", "&Undo %1").arg(undone->name())
                           : QCoreApplication::translate("MainWindow", "&Undo"));
    m_redo->setText(redone ? QCoreApplication::translate("MainWindow", "&Redo %1").arg(redone->name())
                           : QCoreApplication::translate("MainWindow", "&Redo"));
    m_undo->setEnabled(undone);
    m_redo->setEnabled(redone);
}

bool FormHistory::eventFilter(QObject *watched, QEvent *event)
{
    // A number field takes Ctrl+Z for its own typing while it has some to
    // undo; else the key is left unclaimed, for the form's Undo.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto *field = watched->findChild<QLineEdit *>();
        if ((key->matches(QKeySequence::Undo) && !field->isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !field->isRedoAvailable()))
            return true;
    }
    return false;
}

void FormHistory::formChanged()
{
    if (m_applying || m_depth > 0)
        return;
    // One row is a change by hand; more, a call that changed them at once.
    const FormSettings now = m_form->settings();
    QList<int> changed;
    for (int row = 0; row < Tessaro::optionCount; ++row) {
        if (!(now[row] == m_settled[row]))
            changed.append(row);
    }
    if (!changed.isEmpty()) {
        m_stack.push(new FormStep(this, m_settled, now,
                                  QT_TRANSLATE_NOOP("MainWindow", "Changes"),
                                  changed.size() == 1 ? changed.first() : -1));
        m_lastWasChange = true;
    }
    m_settled = now;
}

void FormHistory::apply(const FormSettings &settings, bool wholeForm)
{
    m_lastWasChange = false;
    m_applying = true;
    m_form->setSettings(settings);
    m_applying = false;
    m_settled = m_form->settings();
    if (wholeForm)
        emit wholeFormRestored();
}
