#include "core/cards/linux/mounttable.h"

#include "core/displaytext.h"
#include "core/safefiles.h"

#include <QCoreApplication>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#ifndef STATX_MNT_ID_UNIQUE
#    define STATX_MNT_ID_UNIQUE 0x4000U // Linux 6.8; glibc's headers may not know it yet
#endif

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// mountinfo writes a blank, tab, newline and backslash in a name as \ and
// three octal digits.
QByteArray unescaped(QByteArrayView field)
{
    QByteArray name;
    name.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto octal = [&](qsizetype at) { return field[at] >= '0' && field[at] <= '7'; };
        if (field[i] == '\\' && i + 3 < field.size() && octal(i + 1) && octal(i + 2)
            && octal(i + 3)) {
            name += char((field[i + 1] - '0') << 6 | (field[i + 2] - '0') << 3
                         | (field[i + 3] - '0'));
            i += 3;
        } else {
            name += field[i];
        }
    }
    return name;
}

// The length of the UTF-8 sequence that begins bytes, or 0 when none does.
qsizetype utf8Length(QByteArrayView bytes)
{
    const uchar lead = uchar(bytes.front());
    const qsizetype length = lead < 0x80 ? 1
            : lead >> 5 == 6             ? 2
            : lead >> 4 == 14            ? 3
            : lead >> 3 == 30            ? 4
                                         : 0;
    if (length == 0 || length > bytes.size())
        return 0;
    // Overlong forms and surrogates do not come back as they went.
    const QByteArrayView sequence = bytes.first(length);
    return QString::fromUtf8(sequence).toUtf8() == sequence ? length : 0;
}

bool keepsFilesInMemory(QByteArrayView type)
{
    return type == "tmpfs" || type == "ramfs";
}

QString translated(const char *text)
{
    return QCoreApplication::translate("Cards", text);
}

} // namespace

QList<Mount> parseMountTable(QByteArrayView mountinfo)
{
    // ID PARENT MAJOR:MINOR ROOT POINT OPTIONS [OPTIONAL...] - TYPE SOURCE SUPER-OPTIONS
    QList<Mount> mounts;
    for (const QByteArray &line : mountinfo.toByteArray().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        const qsizetype separator = fields.indexOf("-");
        if (fields.size() < 6 || separator < 6 || separator + 2 >= fields.size())
            continue;
        bool idOk = false, majorOk = false, minorOk = false;
        const int id = fields[0].toInt(&idOk);
        const QList<QByteArray> numbers = fields[2].split(':');
        if (numbers.size() != 2)
            continue;
        const uint major = numbers[0].toUInt(&majorOk);
        const uint minor = numbers[1].toUInt(&minorOk);
        if (!idOk || !majorOk || !minorOk)
            continue;
        mounts.append({id, makedev(major, minor), unescaped(fields[3]), unescaped(fields[4]),
                       unescaped(fields[separator + 1]), unescaped(fields[separator + 2])});
    }
    return mounts;
}

QList<Mount> readMountTable()
{
    // Its size is 0 to stat: read to its end, within a generous bound.
    QByteArray table;
    if (readRegularFile(u"/proc/self/mountinfo"_s, 16 * 1024 * 1024, Links::Follow, table).ok())
        return parseMountTable(table);
    return {};
}

QList<Mount> mountsInside(const QList<Mount> &mounts, const QByteArray &folder)
{
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    QList<Mount> inside;
    std::copy_if(mounts.begin(), mounts.end(), std::back_inserter(inside),
                 [&prefix](const Mount &mount) {
                     return mount.point.startsWith(prefix) && mount.point.size() > prefix.size();
                 });
    return inside;
}

bool isCardFileSystem(QByteArrayView type)
{
    // ntfs-3g and the exFAT of older systems are FUSE file systems on the
    // card's own block device: fuseblk.
    static const QByteArrayView types[] = {"vfat", "msdos", "exfat",   "ext2",  "ext3",
                                           "ext4", "ntfs",  "ntfs3",   "f2fs",  "hfsplus",
                                           "fuseblk"};
    return keepsFilesInMemory(type) || std::find(std::begin(types), std::end(types), type)
            != std::end(types);
}

std::optional<QString> whyNoCard(const Mount &mount, const QList<Mount> &mounts)
{
    if (!isCardFileSystem(mount.type))
        return translated(QT_TRANSLATE_NOOP("Cards", "not a card's file system (%1)"))
                .arg(shownName(mount.type));
    if (!keepsFilesInMemory(mount.type)
        && (!mount.source.startsWith("/dev/") || mount.source.startsWith("/dev/loop")))
        return translated(QT_TRANSLATE_NOOP("Cards", "not a removable card"));
    if (mount.root != "/"
        || std::any_of(mounts.begin(), mounts.end(), [&mount](const Mount &other) {
               return other.id != mount.id && other.device == mount.device;
           }))
        return translated(QT_TRANSLATE_NOOP("Cards", "not a card of its own"));
    return std::nullopt;
}

std::optional<MountIdentity> mountIdentity(int folder, const char *path)
{
    struct statx status = {};
    const int flags = AT_SYMLINK_NOFOLLOW | AT_NO_AUTOMOUNT | (*path ? 0 : AT_EMPTY_PATH);
    if (::statx(folder, path, flags, STATX_MNT_ID_UNIQUE | STATX_BTIME, &status) != 0
        || !(status.stx_mask & (STATX_MNT_ID_UNIQUE | STATX_MNT_ID)))
        return std::nullopt;
    MountIdentity identity;
    identity.device = makedev(status.stx_dev_major, status.stx_dev_minor);
    identity.key = u"mount:"_s + QString::number(status.stx_mnt_id);
    // The table's ID comes back with the next mount, often with its device:
    // the creation time of the mount's root folder tells a new file system.
    if (!(status.stx_mask & STATX_MNT_ID_UNIQUE))
        identity.key += u':' + QString::number(identity.device) + u':'
                + QString::number(status.stx_btime.tv_sec) + u'.'
                + QString::number(status.stx_btime.tv_nsec);
    return identity;
}

QString shownName(const QByteArray &name)
{
    QString shown;
    for (qsizetype i = 0; i < name.size();) {
        const qsizetype length = utf8Length(QByteArrayView(name).sliced(i));
        if (length > 0)
            shown += QString::fromUtf8(name.constData() + i, length);
        else
            shown += u"\\x%1"_s.arg(uchar(name[i]), 2, 16, QChar(u'0'));
        i += std::max<qsizetype>(length, 1);
    }
    return printable(shown);
}

} // namespace Tessaro
