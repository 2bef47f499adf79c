#include "core/unitfiles.h"

#include "core/safefiles_win.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Tessaro {

std::optional<QString> folderNameProblem(const QString &name)
{
    const auto problem = [](const char *text) {
        return QCoreApplication::translate("Units", text);
    };
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/')
        || name.contains(u'\\'))
        return problem(QT_TRANSLATE_NOOP("Units", "the folder name must name one folder"));
    static const QString forbidden = u"<>:\"|?*"_s;
    if (std::any_of(name.begin(), name.end(),
                    [](QChar c) { return forbidden.contains(c); }))
        return problem(QT_TRANSLATE_NOOP("Units",
                                         "Windows takes no < > : \" | ? or * in a folder name"));
    if (std::any_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x20; }))
        return problem(QT_TRANSLATE_NOOP("Units", "Windows takes no control character in a "
                                                  "folder name"));
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return problem(QT_TRANSLATE_NOOP("Units",
                                         "Windows takes no folder name that ends in a dot or "
                                         "a blank"));
    if (isDeviceName(name))
        return problem(QT_TRANSLATE_NOOP("Units", "Windows keeps the name %1 for a device"))
                .arg(name.section(u'.', 0, 0));
    return std::nullopt;
}

} // namespace Tessaro
