#include "support/modalscript.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace TestSupport {

namespace {

template<typename T> T *expect(QWidget *widget)
{
    auto *typed = qobject_cast<T *>(widget);
    if (!typed)
        qFatal("expected a %s, got %s", T::staticMetaObject.className(),
               widget->metaObject()->className());
    return typed;
}

} // namespace

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
        m_unexpected.append(modal->windowTitle());
        qWarning("unexpected dialog: %s", qPrintable(modal->windowTitle()));
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

bool runCommand(QAction *action, QList<ModalScript::Step> steps)
{
    ModalScript script(std::move(steps));
    action->trigger();
    if (!script.finished())
        qWarning("%s did not open the dialogs expected", qPrintable(action->objectName()));
    return script.finished();
}

ModalScript::Step chooseFile(const QString &path, std::function<void()> then)
{
    return [path, then](QWidget *widget) {
        auto *dialog = expect<QFileDialog>(widget);
        if (then)
            QObject::connect(dialog, &QFileDialog::fileSelected, then);
        dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(path);
        const QList<QAbstractButton *> buttons = dialog->findChild<QDialogButtonBox *>()->buttons();
        for (QAbstractButton *button : buttons) {
            auto *box = qobject_cast<QDialogButtonBox *>(button->parentWidget());
            if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
                return button->click();
        }
    };
}

ModalScript::Step recordAndCancel(QString *directory, QString *fileName)
{
    return [directory, fileName](QWidget *widget) {
        auto *dialog = expect<QFileDialog>(widget);
        *directory = dialog->directory().absolutePath();
        *fileName = dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->text();
        dialog->reject();
    };
}

ModalScript::Step confirmReplace()
{
    return [](QWidget *widget) {
        expect<QMessageBox>(widget)->button(QMessageBox::Yes)->click();
    };
}

ModalScript::Step closeMessage(ShownMessage *shown)
{
    return [shown](QWidget *widget) {
        auto *box = expect<QMessageBox>(widget);
        *shown = {box->windowTitle(), box->text(), box->icon()};
        if (box->buttons().size() != 1)
            qFatal("expected a message box with one button");
        box->buttons().constFirst()->click();
    };
}

} // namespace TestSupport
