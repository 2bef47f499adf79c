// The main window as the program starts it: windowprobe [accept] [action
// object name]... triggers those actions, prints what the window shows,
// describes then cancels (or with "accept", accepts) any file dialog
// ("dialog=" title, proposed file, Cancel button), describes then closes any
// message box ("box=" text, informative text), and closes, writing the
// preferences and window settings files. startup.sh runs copies of it.

#include "core/applicationidentity.h"
#include "core/language.h"
#include "gui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    Tessaro::setApplicationIdentity();
    QApplication application(argc, argv);
    int result = 0;
    {
        MainWindow window;
        window.show();
        QTextStream out(stdout);
        QStringList actions = QCoreApplication::arguments().mid(1);
        const bool accept = actions.removeAll(u"accept"_s) > 0;
        QTimer dialogs;
        QObject::connect(&dialogs, &QTimer::timeout, [&out, accept] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                out << "box=" << box->text() << '|' << box->informativeText() << '\n';
                box->buttons().constFirst()->click();
            }
            if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                out << "dialog=" << dialog->windowTitle() << '|'
                    << dialog->directory().filePath(
                               dialog->selectedFiles().value(0).section(u'/', -1))
                    << '|'
                    << dialog->findChild<QDialogButtonBox *>()
                                ->button(QDialogButtonBox::Cancel)
                                ->text()
                    << '\n';
                accept ? static_cast<QDialog *>(dialog)->accept() : dialog->reject();
            }
        });
        dialogs.start(10);
        for (const QString &name : actions) {
            if (auto *action = window.findChild<QAction *>(name))
                action->trigger();
            else
                result = 2;
        }
        for (const Tessaro::LanguageEntry &entry : Tessaro::languages) {
            if (window.findChild<QAction *>(QLatin1StringView(entry.actionName))->isChecked())
                out << "checked=" << entry.actionName << '\n';
        }
        QStringList sizes;
        for (const QSize &size : window.windowIcon().availableSizes()) {
            const QSize drawn = window.windowIcon().pixmap(size).size(); // decoded
            sizes << u"%1x%2"_s.arg(drawn.width()).arg(drawn.height());
        }
        out << "menu=" << window.findChild<QMenu *>(u"menuFile"_s)->title() << '\n'
            << "icon=" << sizes.join(u' ') << '\n'
            << "size=" << window.width() << 'x' << window.height() << '\n'
            << "preview=" << !window.findChild<QDockWidget *>()->isHidden() << '\n';
        window.close();
    }
    return result;
}
