#include "app/windowicon.h"

#include "app/installeddata.h"

using namespace Qt::StringLiterals;

namespace Tessaro {

QIcon windowIcon()
{
    // The current directory, where the program always looked; then where an
    // installation keeps it; then the copy built into the program. A QIcon
    // made from a missing or unreadable file is not null, it just has no
    // images: ask for those.
    const QString name = u"ico256x256Win.ico"_s;
    for (const QString &path : {name, QString(installedDataFolder() + u'/' + name)}) {
        const QIcon icon(path);
        if (!icon.availableSizes().isEmpty())
            return icon;
    }
    return QIcon(u":/icons/"_s + name);
}

} // namespace Tessaro
