#include "core/applicationidentity.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Tessaro {

void setApplicationIdentity()
{
    // Given by the build, which makes the Windows resources from the same.
    QCoreApplication::setApplicationName(QStringLiteral(TESSARO_APPLICATION_NAME));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARO_VERSION));
    QCoreApplication::setOrganizationName(QStringLiteral(TESSARO_ORGANIZATION_NAME));
    QCoreApplication::setOrganizationDomain(QStringLiteral(TESSARO_ORGANIZATION_DOMAIN));
}

QString homePageAddress()
{
    return u"http://"_s + QCoreApplication::organizationDomain();
}

QUrl supportRequestAddress(const QString &subject, const QString &body)
{
    // Characters a mail field may hold as they are; "&", "=", "#", "%" and
    // "+" are encoded, as is anything outside ASCII.
    const QByteArray keep = "!$'()*,;:@/?";
    return QUrl::fromEncoded("mailto:" + QByteArray(supportAddress) + "?subject="
                                     + QUrl::toPercentEncoding(subject, keep)
                                     + "&body=" + QUrl::toPercentEncoding(body, keep),
                             QUrl::StrictMode);
}

} // namespace Tessaro
