#include "support/cards.h"

#include "support/files.h"

#include <QDir>
#include <QProcess>

namespace TestSupport {

QString insertCard(const QString &watched, const QString &name, const QByteArray &held)
{
    const QString prepared = watched + QStringLiteral("-") + name, card = watched + u'/' + name;
    const auto mount = [](const QStringList &arguments) {
        return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
    };
    return QDir().mkpath(prepared) && QDir().mkpath(card)
                    && mount({QStringLiteral("-t"), QStringLiteral("tmpfs"), name, prepared})
                    && (held.isEmpty() || writeFile(prepared + QStringLiteral("/config.txt"), held))
                    && mount({QStringLiteral("--move"), prepared, card})
            ? card
            : QString();
}

} // namespace TestSupport
