#include "app/applicationidentity.h"

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

} // namespace Tessaro
