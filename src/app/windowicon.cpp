#include "windowicon.h"

using namespace Qt::StringLiterals;

namespace Tessaro {

QIcon windowIcon()
{
    // A QIcon made from a missing or unreadable file is not null, it just has
    // no images: ask for those.
    const QIcon icon(u"ico256x256Win.ico"_s);
    return icon.availableSizes().isEmpty() ? QIcon(u":/icons/ico256x256Win.ico"_s) : icon;
}

} // namespace Tessaro
