#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace Tessaro {

// One mount of the system's mount table, /proc/self/mountinfo. Names are
// bytes, as the system gives them: a mount point need not be UTF-8.
struct Mount
{
    int id = 0;          // the table's mount ID, which a later mount may be given again
    quint64 device = 0;  // its file system's device, as stat gives st_dev
    QByteArray root;     // the folder of the file system it shows; "/" for the whole
    QByteArray point;    // where it is mounted
    QByteArray type;     // the file system's type, "ext4"
    QByteArray source;   // what is mounted, "/dev/sdb1"
};

// The mounts of a mountinfo text, in its order; damaged lines are skipped.
QList<Mount> parseMountTable(QByteArrayView mountinfo);

// The mount table now; empty where it cannot be read.
QList<Mount> readMountTable();

// The mounts whose point lies inside folder (a resolved path, no trailing
// '/'), not folder itself.
QList<Mount> mountsInside(const QList<Mount> &mounts, const QByteArray &folder);

// Whether a file system of this type is one that memory cards carry, or
// one that keeps its files in memory alone (tmpfs, ramfs): never an overlay,
// FUSE or network file system, whose files lie elsewhere.
bool isCardFileSystem(QByteArrayView type);

// Why a mount is no card, as its log line says it; nothing when it may be
// one: a whole card file system on a block device other than a loop device
// (which a desktop never mounts for the user), mounted nowhere else.
std::optional<QString> whyNoCard(const Mount &mount, const QList<Mount> &mounts);

// What tells one mount from every other for as long as the system runs:
// the kernel's own such ID where it has one (Linux 6.8), else the table's
// ID with the device and the file system's ID, which a mount at the same
// place may share with the one before.
struct MountIdentity
{
    QString key;
    quint64 device = 0;
};
// The identity of the mount that shows folder, or of the mount at path
// under it; nothing when there is none to look at.
std::optional<MountIdentity> mountIdentity(int folder, const char *path = "");

// A name in bytes as text to show: UTF-8, other bytes as \xNN, then
// escaped as text from outside is.
QString shownName(const QByteArray &name);

} // namespace Tessaro
