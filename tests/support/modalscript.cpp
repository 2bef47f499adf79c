#include "modalscript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>

namespace TestSupport {

ModalScript::ModalScript(QList<Step> steps) : m_steps(std::move(steps))
{
    connect(&m_timer, &QTimer::timeout, this, &ModalScript::poll);
    m_timer.start(10);
}

void ModalScript::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == m_answered || !modal->isVisible())
        return;
    m_answered = modal;
    if (m_steps.isEmpty()) {
        m_unexpected.append(QString::fromLatin1(modal->metaObject()->className()) + u": "
                            + modal->windowTitle());
        if (auto *dialog = qobject_cast<QDialog *>(modal))
            dialog->reject();
        return;
    }
    // The step may open a dialog of its own and wait in it: run it outside
    // this timer's slot, or the timer could not fire again meanwhile.
    QTimer::singleShot(0, this, [step = m_steps.takeFirst(), answered = m_answered] {
        if (answered)
            step(answered);
    });
}

ModalScript::Step chooseFile(const QString &path)
{
    return [path](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (!dialog)
            qFatal("expected a file dialog, got %s", widget->metaObject()->className());
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        const QList<QAbstractButton *> buttons =
                dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->buttons();
        for (QAbstractButton *button : buttons) {
            auto *box = qobject_cast<QDialogButtonBox *>(button->parentWidget());
            if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) {
                button->click();
                return;
            }
        }
        qFatal("the file dialog has no accept button");
    };
}

ModalScript::Step cancelDialog()
{
    return [](QWidget *widget) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (!dialog)
            qFatal("expected a dialog, got %s", widget->metaObject()->className());
        dialog->reject();
    };
}

ModalScript::Step confirmReplace()
{
    return [](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box || !box->button(QMessageBox::Yes))
            qFatal("expected the question whether to replace a file");
        box->button(QMessageBox::Yes)->click();
    };
}

ModalScript::Step closeMessage(ShownMessage *shown)
{
    return [shown](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        if (!box)
            qFatal("expected a message box, got %s", widget->metaObject()->className());
        shown->title = box->windowTitle();
        shown->text = box->text();
        shown->icon = box->icon();
        shown->buttons.clear();
        const QList<QAbstractButton *> buttons = box->buttons();
        for (QAbstractButton *button : buttons)
            shown->buttons.append(button->text());
        if (buttons.size() != 1)
            qFatal("expected a message box with one button");
        buttons.first()->click();
    };
}

} // namespace TestSupport
