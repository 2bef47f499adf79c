#include "about/supportlinks.h"

#include "app/applicationidentity.h"

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
    // The pieces go in as they are: QUrl encodes what the hand-over needs.
    const QString request = u"mailto:"_s + QLatin1StringView(Tessaro::supportAddress)
            + u"?subject="_s
            + QCoreApplication::translate("MainWindow", "Subject: Orvel Support Request (From:")
            + u' ' + QCoreApplication::applicationName() + u" - "_s
            + QCoreApplication::applicationVersion() + u")&body="_s
            + QCoreApplication::translate("MainWindow", "Here: your question...");
    QDesktopServices::openUrl(QUrl(request));
}
