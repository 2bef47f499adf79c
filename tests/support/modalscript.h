#pragma once

#include <QAction>
#include <QMessageBox>

#include <functional>

namespace TestSupport {

// What a message box showed when it was answered.
struct ShownMessage
{
    QString title;
    QString text;
    QString informative;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

using Step = std::function<void(QWidget *)>;

// Runs a command and answers the modal dialogs it opens as a user would, each
// step on the next that appears. False, with a warning, when a dialog comes
// that no step expects (rejected, so as not to hang) or a step finds none.
bool runCommand(const std::function<void()> &command, QList<Step> steps);
inline bool runCommand(QAction *action, QList<Step> steps)
{
    return runCommand([action] { action->trigger(); }, std::move(steps));
}

// Types path into a file dialog and accepts it; then runs `then`, if any, before the command.
Step chooseFile(const QString &path, std::function<void()> then = {});
// Records where a file dialog starts (folder and proposed name), cancels it.
Step recordAndCancel(QString *path);
// Answers "Yes" to the question whether to replace a file.
Step confirmReplace();
// Records a message box into shown and presses its first button.
Step closeMessage(ShownMessage *shown);

} // namespace TestSupport
