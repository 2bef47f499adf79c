#include "core/unitfiles.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Tessaro {

std::optional<QString> folderNameProblem(const QString &name)
{
    // A backslash too, which a copy of the files on Windows would take for a
    // folder of its own.
    if (name.isEmpty() || name == u"." || name == u".." || name.contains(u'/')
        || name.contains(u'\\') || name.contains(QChar(0)))
        return QCoreApplication::translate("Units", "the folder name must name one folder");
    return std::nullopt;
}

} // namespace Tessaro
