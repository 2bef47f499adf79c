#include "support/cards.h"

#include "support/files.h"
#include "support/winedrives.h"

#include <QDir>

namespace TestSupport {

QString insertCard(const QString &watched, const QString &name, const QByteArray &held)
{
    // The watched folder is a Linux one, which Wine shows on Z:; the card's
    // volume has a serial number and a name of its own there.
    const QString folder = watched + u'/' + name;
    static unsigned serial = 0x5000;
    if (!QDir().mkpath(folder)
        || !writeFile(folder + QStringLiteral("/.windows-serial"), QByteArray::number(++serial, 16))
        || !writeFile(folder + QStringLiteral("/.windows-label"), name.toUtf8())
        || (!held.isEmpty() && !writeFile(folder + QStringLiteral("/config.txt"), held)))
        return {};
    const DWORD taken = ::GetLogicalDrives();
    for (wchar_t letter = L'L'; letter <= L'P'; ++letter) {
        if (!(taken & (1u << (letter - L'A'))))
            return defineWineDrive(letter, DRIVE_REMOVABLE, folder.toStdString())
                    ? QString(QChar(letter)) + QStringLiteral(":/")
                    : QString();
    }
    return {};
}

} // namespace TestSupport
