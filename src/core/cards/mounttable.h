#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Tessaro {

// One mount of the system's mount table (/proc/self/mountinfo on Linux).
// Names are bytes, as the system gives them: a mount point need not be UTF-8.
struct Mount
{
    int id = 0;          // the mount's own ID: a card swapped at one place is a new mount
    quint64 device = 0;  // its file system's device, as stat gives st_dev
    QByteArray root;     // the folder of the file system it shows; "/" for the whole
    QByteArray point;    // where it is mounted
    QByteArray type;     // the file system's type, "ext4"
    QByteArray source;   // what is mounted, "/dev/sdb1"
};

// The mounts of a mountinfo text, in its order; damaged lines are skipped.
QList<Mount> parseMountTable(QByteArrayView mountinfo);

// The mount table now; empty where the system has none we can read.
QList<Mount> readMountTable();

// The mounts whose point lies inside folder (a resolved path, no trailing
// '/'), not folder itself.
QList<Mount> mountsInside(const QList<Mount> &mounts, const QByteArray &folder);

// Whether a mount shows a whole file system that is mounted nowhere else:
// a bind of a folder, or a second view of a file system, is no card.
bool isWholeView(const Mount &mount, const QList<Mount> &mounts);

// A name in bytes as text to show: UTF-8, other bytes as \xNN.
QString shownName(const QByteArray &name);

} // namespace Tessaro
