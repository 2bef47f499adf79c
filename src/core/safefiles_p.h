#pragma once

#include "core/safefiles.h"

#include <QByteArray>
#include <QByteArrayView>

// Between the part of the file functions every system shares and the part
// each system has of its own.
namespace Tessaro {

// A new name of the shape only our temporary files have, and whether a name
// has it: a run stopped midway leaves such a file behind.
QByteArray temporaryName();
bool isTemporaryName(QByteArrayView name);

// readRegularFile() for a file on a disk.
FileStatus readFileOnDisk(const QString &path, qint64 maximumSize, Links links,
                          QByteArray &content);

} // namespace Tessaro
