#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

class QAction;

namespace TestSupport {

// What a message box showed when it was answered.
struct ShownMessage
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
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

private:
    void poll();

    QList<Step> m_steps;
    QPointer<QWidget> m_answered;
    QStringList m_unexpected;
    QTimer m_timer;
};

// Triggers action and answers its dialogs; false, with a warning, when they
// did not come as the steps expect.
bool runCommand(QAction *action, QList<ModalScript::Step> steps);

// Types path into a file dialog's name field and accepts it; then, if given,
// changes the file system before the command goes on.
ModalScript::Step chooseFile(const QString &path, std::function<void()> then = {});
// Records where a file dialog starts, then cancels it.
ModalScript::Step recordAndCancel(QString *directory, QString *fileName);
// Answers "Yes" to the question whether to replace a file.
ModalScript::Step confirmReplace();
// Records a message box into shown and presses its only button.
ModalScript::Step closeMessage(ShownMessage *shown);

} // namespace TestSupport
