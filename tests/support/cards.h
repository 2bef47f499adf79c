#pragma once

#include "support/files.h"

#include <QDir>
#include <QProcess>
#include <QStringList>

namespace TestSupport {

// A memory card, as cards.sh lets a test make one: a tmpfs volume prepared
// beside the watched folder, config.txt holding held unless it is empty,
// remounted with options if any, then moved in whole. False when it could
// not be.
inline bool insertCard(const QString &watched, const QString &name, const QByteArray &held = {},
                       const QString &options = {})
{
    const QString prepared = watched + QStringLiteral("-") + name, card = watched + u'/' + name;
    const auto mount = [](const QStringList &arguments) {
        return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
    };
    return QDir().mkpath(prepared) && QDir().mkpath(card)
            && mount({QStringLiteral("-t"), QStringLiteral("tmpfs"), name, prepared})
            && (held.isEmpty() || writeFile(prepared + QStringLiteral("/config.txt"), held))
            && (options.isEmpty()
                || mount({QStringLiteral("-o"), QStringLiteral("remount,") + options, prepared}))
            && mount({QStringLiteral("--move"), prepared, card});
}

} // namespace TestSupport
