#pragma once

#include "core/cards/mounttable.h"

#include <QString>

namespace Tessaro {

// A memory card as the system offers it.
struct Card
{
    QString key;    // tells it from every other card of a run
    QString label;  // its volume's name, else its mount point's last part
    QString device; // what the system calls it: "/dev/sdb1"
    // Where it is mounted, once it is, and what must be found there: the
    // mount that shows it and the device of its file system.
    QByteArray point;
    int mountId = 0;
    quint64 fileSystem = 0;

    QString shownPoint() const { return shownName(point); }
};

// A card with what the mount table says of the mount that shows it.
Card cardOfMount(const Mount &mount);

} // namespace Tessaro
