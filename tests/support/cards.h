#pragma once

#include "support/files.h"

#include <QDir>
#include <QProcess>
#include <QStringList>

namespace TestSupport {

// A memory card, as cards.sh lets a test make one: a tmpfs volume prepared
// beside the watched folder, config.txt holding held unless it is empty, then
// moved in whole. False when it could not be.
inline bool insertCard(const QString &watched, const QString &name, const QByteArray &held = {})
{
    const QString prepared = watched + QStringLiteral("-") + name, card = watched + u'/' + name;
    return QDir().mkpath(prepared) && QDir().mkpath(card)
            && QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), name, prepared}) == 0
            && (held.isEmpty() || writeFile(prepared + QStringLiteral("/config.txt"), held))
            && QProcess::execute(QStringLiteral("mount"), {QStringLiteral("--move"), prepared, card}) == 0;
}

} // namespace TestSupport
