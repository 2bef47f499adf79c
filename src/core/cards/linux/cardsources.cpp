#include "core/cards/cardsource.h"

#include "core/cards/linux/diskservicesource.h"
#include "core/cards/linux/mounttablesource.h"

#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// One folder name, that cannot lead out of the folder it is named in.
bool isPlainName(const QString &name)
{
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/')
            && !name.contains(QChar(0));
}

// The user's name, as the desktop names the folder of their cards: $USER
// where that is a plain name in the system's encoding, else the account's.
QString userName()
{
    const QByteArray bytes = qgetenv("USER");
    const QString user = QFile::decodeName(bytes);
    if (isPlainName(user) && QFile::encodeName(user) == bytes)
        return user;
    const passwd *account = ::getpwuid(::getuid());
    const QString name = account ? QFile::decodeName(account->pw_name) : QString();
    return isPlainName(name) ? name : QString();
}

// Where the desktop mounts removable media for the user: /run/media/NAME
// where that exists, else /media/NAME; nothing when no name will do.
QString desktopCardFolder()
{
    const QString name = userName();
    if (name.isEmpty())
        return {};
    const QString udisks = u"/run/media/"_s + name;
    return QFileInfo(udisks).isDir() ? udisks : u"/media/"_s + name;
}

} // namespace

std::vector<std::unique_ptr<CardSource>> cardSources(const QString &folder)
{
    std::vector<std::unique_ptr<CardSource>> sources;
    if (folder.isEmpty())
        sources.push_back(std::make_unique<DiskServiceSource>());
    sources.push_back(
            std::make_unique<MountTableSource>(folder.isEmpty() ? desktopCardFolder() : folder));
    return sources;
}

bool watchesCardFolders()
{
    return true;
}

} // namespace Tessaro
