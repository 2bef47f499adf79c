#include "support/modalscript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace TestSupport {

bool runCommand(const std::function<void()> &command, QList<Step> steps)
{
    // Never twice while shown: a file dialog is on top again a moment after
    // its question. A dialog shown anew is answered anew.
    QList<QPointer<QWidget>> answered;
    bool expected = true;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        answered.removeIf([](const QPointer<QWidget> &widget) { return !widget || widget->isHidden(); });
        QWidget *modal = QApplication::activeModalWidget();
        // A step that failed left its dialog open: closed, so that the test ends.
        if (QTest::currentTestFailed()) {
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            return;
        }
        if (!modal || answered.contains(modal) || !modal->isVisible())
            return;
        answered.append(modal);
        if (steps.isEmpty()) {
            qWarning("unexpected dialog: %s", qPrintable(modal->windowTitle()));
            expected = false;
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            return;
        }
        // The step may open a dialog of its own and wait in it: run it
        // outside this timer's slot, or the timer could not fire meanwhile.
        QTimer::singleShot(0, modal, [step = steps.takeFirst(), modal] { step(modal); });
    });
    poll.start(10);
    command();
    // A command may end before its last dialog, as a dropped file does.
    const bool done =
            QTest::qWaitFor([&] { return steps.isEmpty() && !QApplication::activeModalWidget(); });
    if (!done)
        qWarning("%lld dialogs expected did not come", static_cast<long long>(steps.size()));
    return done && expected;
}

Step chooseFile(const QString &path, std::function<void()> then)
{
    return [path, then](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        if (then)
            QObject::connect(dialog, &QFileDialog::fileSelected, then);
        dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

Step recordAndCancel(QString *path)
{
    return [path](QWidget *widget) {
        auto *dialog = qobject_cast<QFileDialog *>(widget);
        *path = dialog->directory().filePath(
                dialog->findChild<QLineEdit *>(u"fileNameEdit"_s)->text());
        dialog->reject();
    };
}

Step confirmReplace()
{
    return [](QWidget *widget) {
        qobject_cast<QMessageBox *>(widget)->button(QMessageBox::Yes)->click();
    };
}

Step closeMessage(ShownMessage *shown)
{
    return [shown](QWidget *widget) {
        auto *box = qobject_cast<QMessageBox *>(widget);
        *shown = {box->windowTitle(), box->text(), box->informativeText(), box->icon()};
        box->buttons().constFirst()->click();
    };
}

} // namespace TestSupport
