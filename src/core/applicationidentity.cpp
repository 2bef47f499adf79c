#include "core/applicationidentity.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Tessaro {

void setApplicationIdentity()
{
    QCoreApplication::setApplicationName(u"Tessaro - Configuration File Generator"_s);
    QCoreApplication::setApplicationVersion(u"1.1.0"_s);
    QCoreApplication::setOrganizationName(u"Copyright (C) 2026 Orvel. All rights reserved."_s);
    QCoreApplication::setOrganizationDomain(u"www.orvel.example"_s);
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
