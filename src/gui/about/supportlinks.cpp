#include "gui/about/supportlinks.h"

#include "core/applicationidentity.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

using namespace Qt::StringLiterals;

void openHomePage()
{
    QDesktopServices::openUrl(QUrl(Tessaro::homePageAddress()));
}

void sendSupportRequest()
{
    const QString subject =
            QCoreApplication::translate("MainWindow", "Subject: Orvel Support Request (From:")
            + u' ' + QCoreApplication::applicationName() + u" - "_s
            + QCoreApplication::applicationVersion() + u')';
    QDesktopServices::openUrl(Tessaro::supportRequestAddress(
            subject, QCoreApplication::translate("MainWindow", "Here: your question...")));
}
