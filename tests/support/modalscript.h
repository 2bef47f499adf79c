#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace TestSupport {

// What a message box showed when it was answered.
struct ShownMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Answers the modal dialogs a command opens, in order, as a user would: each
// step runs on the next modal widget that appears. A dialog that no step
// expects is recorded and rejected, so a test fails instead of hanging.
class ModalScript : public QObject
{
public:
    using Step = std::function<void(QWidget *)>;

    explicit ModalScript(QList<Step> steps);

    // Every step ran and no dialog came unexpected.
    bool finished() const { return m_steps.isEmpty() && m_unexpected.isEmpty(); }
    QStringList unexpectedDialogs() const { return m_unexpected; }

private:
    void poll();

    QList<Step> m_steps;
    QPointer<QWidget> m_answered;
    QStringList m_unexpected;
    QTimer m_timer;
};

// Types path into a file dialog's name field and accepts it.
ModalScript::Step chooseFile(const QString &path);
// Cancels a file dialog.
ModalScript::Step cancelDialog();
// Answers "Yes" to the file dialog's question whether to replace a file.
ModalScript::Step confirmReplace();
// Records a message box into shown and presses its only button.
ModalScript::Step closeMessage(ShownMessage *shown);

} // namespace TestSupport
