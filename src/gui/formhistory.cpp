#include "gui/formhistory.h"

#include "gui/optionform.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QSpinBox>

using Tessaro::FormSettings;

namespace {

// The oldest steps go past this: each keeps the whole form twice, and a long
// session would otherwise grow the program without end.
constexpr int stepLimit = 1000;

// A field forgets what it could undo or redo; its text, cursor and
// selection stay as the user left them.
void forgetEdits(QLineEdit *field)
{
    if (!field->isUndoAvailable() && !field->isRedoAvailable())
        return;
    const int cursor = field->cursorPosition();
    const int start = field->selectionStart();
    const int length = int(field->selectedText().size());
    field->setText(field->text());
    if (start < 0)
        field->setCursorPosition(cursor);
    else if (cursor == start) // selected backwards
        field->setSelection(start + length, -length);
    else
        field->setSelection(start, length);
}

} // namespace

// One step: the form before and after it, what it was, and what it showed.
class FormStep : public QUndoCommand
{
public:
    FormStep(FormHistory *history, FormSettings before, FormSettings after, const char *name,
             int row, std::function<void()> shown = {})
        : m_history(history), m_before(std::move(before)), m_after(std::move(after)), m_name(name),
          m_row(row), m_shown(std::move(shown))
    {
    }

    // Consecutive changes of a row by hand merge, not a change made after
    // an undo or redo; whole-form steps never do. Typing undone in its field
    // merges too: a row back as it was has no step left.
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
        if (m_shown)
            m_shown();
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
    std::function<void()> m_shown;
    bool m_pushed = true;
};

FormHistory::FormHistory(OptionForm *form, QAction *undo, QAction *redo, QObject *parent)
    : QObject(parent), m_form(form), m_undo(undo), m_redo(redo),
      m_numbers(form->findChildren<QSpinBox *>()), m_settled(form->settings())
{
    m_stack.setUndoLimit(stepLimit);
    connect(form, &OptionForm::settingsChanged, this, &FormHistory::formChanged);
    connect(undo, &QAction::triggered, this, &FormHistory::undo);
    connect(redo, &QAction::triggered, this, &FormHistory::redo);
    // Through the action: the stack clears itself when destroyed, after it,
    // and the focus moves as the window's widgets go, after it too.
    connect(&m_stack, &QUndoStack::indexChanged, undo, [this] { retranslate(); });
    connect(qApp, &QApplication::focusChanged, undo,
            [this](QWidget *, QWidget *now) { focusChanged(now); });
    // Typing, and a field that puts its value's text back as the focus
    // leaves it, even for a menu, change what it can undo.
    for (QSpinBox *number : std::as_const(m_numbers)) {
        connect(number->findChild<QLineEdit *>(), &QLineEdit::textChanged, undo,
                [this] { retranslate(); });
        connect(number, &QAbstractSpinBox::editingFinished, undo, [this] { retranslate(); });
    }
    retranslate();
}

void FormHistory::record(const char *name, const std::function<void()> &change,
                         const std::function<void()> &shown)
{
    const FormSettings before = m_form->settings();
    ++m_depth;
    change();
    --m_depth;
    if (shown)
        shown();
    if (m_depth > 0)
        return;
    m_settled = m_form->settings();
    if (m_settled != before) {
        forgetTyping(-1);
        m_stack.push(new FormStep(this, before, m_settled, name, -1, shown));
    }
}

void FormHistory::clear()
{
    m_stack.clear();
    m_settled = m_form->settings();
}

void FormHistory::retranslate()
{
    // What each would take: the typing in the field the user is in, else a step.
    const QString typing = QCoreApplication::translate("MainWindow", "Typing");
    const auto stepName = [this](int index) {
        const auto *step = static_cast<const FormStep *>(m_stack.command(index));
        return step ? step->name() : QString();
    };
    const QString undone =
            m_field && m_field->isUndoAvailable() ? typing : stepName(m_stack.index() - 1);
    const QString redone =
            m_field && m_field->isRedoAvailable() ? typing : stepName(m_stack.index());
    m_undo->setText(undone.isEmpty()
                            ? QCoreApplication::translate("MainWindow", "&Undo")
                            : QCoreApplication::translate("MainWindow", "&Undo %1").arg(undone));
    m_redo->setText(redone.isEmpty()
                            ? QCoreApplication::translate("MainWindow", "&Redo")
                            : QCoreApplication::translate("MainWindow", "&Redo %1").arg(redone));
    m_undo->setEnabled(!undone.isEmpty());
    m_redo->setEnabled(!redone.isEmpty());
}

void FormHistory::undo()
{
    if (m_field && m_field->isUndoAvailable())
        m_field->undo();
    else
        m_stack.undo();
}

void FormHistory::redo()
{
    if (m_field && m_field->isRedoAvailable())
        m_field->redo();
    else
        m_stack.redo();
}

void FormHistory::focusChanged(QWidget *now)
{
    // The menu bar takes the focus while its menus are used from the
    // keyboard, and gives it back before their command runs.
    if (qobject_cast<QMenuBar *>(now))
        return;
    auto *number = qobject_cast<QSpinBox *>(now);
    m_field = m_numbers.contains(number) ? number->findChild<QLineEdit *>() : nullptr;
    retranslate();
}

void FormHistory::forgetTyping(int keptRow)
{
    for (QSpinBox *number : std::as_const(m_numbers)) {
        if (m_form->rowOf(number) != keptRow)
            forgetEdits(number->findChild<QLineEdit *>());
    }
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
        const int row = changed.size() == 1 ? changed.first() : -1;
        // Typing older than this step is part of the form's history now.
        forgetTyping(row);
        m_stack.push(new FormStep(this, m_settled, now, QT_TRANSLATE_NOOP("MainWindow", "Changes"),
                                  row));
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
    forgetTyping(-1);
    if (wholeForm)
        emit wholeFormRestored();
}
