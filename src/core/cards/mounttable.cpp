#include "core/cards/mounttable.h"

#include "core/safefiles.h"

#include <QStringDecoder>

#include <algorithm>

#ifdef Q_OS_LINUX
#    include <sys/sysmacros.h>
#else
#    include <QFile>
#    include <QStorageInfo>
#    include <qplatformdefs.h>
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
        Mount mount;
        mount.id = id;
#ifdef Q_OS_LINUX
        mount.device = makedev(major, minor);
#else
        mount.device = quint64(major) << 32 | minor;
#endif
        mount.root = unescaped(fields[3]);
        mount.point = unescaped(fields[4]);
        mount.type = unescaped(fields[separator + 1]);
        mount.source = unescaped(fields[separator + 2]);
        mounts.append(mount);
    }
    return mounts;
}

QList<Mount> readMountTable()
{
#ifdef Q_OS_LINUX
    // Its size is 0 to stat: read to its end, within a generous bound.
    QByteArray table;
    if (readRegularFile(u"/proc/self/mountinfo"_s, 16 * 1024 * 1024, Links::Follow, table).ok())
        return parseMountTable(table);
    return {};
#else
    // Elsewhere the volumes as Qt lists them, each a whole view; a mount is
    // told from another at the same place by its device.
    QList<Mount> mounts;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        Mount mount;
        mount.root = "/";
        mount.point = QFile::encodeName(volume.rootPath());
        mount.type = volume.fileSystemType();
        mount.source = volume.device();
        QT_STATBUF status = {};
        if (QT_STAT(mount.point.constData(), &status) == 0)
            mount.device = quint64(status.st_dev);
        mount.id = int(qHash(mount.point + mount.source) ^ mount.device);
        mounts.append(mount);
    }
    return mounts;
#endif
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

bool isWholeView(const Mount &mount, const QList<Mount> &mounts)
{
    return mount.root == "/"
            && std::none_of(mounts.begin(), mounts.end(), [&mount](const Mount &other) {
                   return other.id != mount.id && other.device == mount.device;
               });
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
    return shown;
}

} // namespace Tessaro
