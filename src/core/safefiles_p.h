#pragma once

#include "core/safefiles.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstddef>

// Between the part of the file functions every system shares and the part
// each system has of its own.
namespace Tessaro {

// A new name of the shape only our temporary files have, and whether a name
// has it: a run stopped midway leaves such a file behind.
QByteArray temporaryName();
bool isTemporaryName(QByteArrayView name);

// One of the reasons the system gives for a failure, by its code, in the
// words Linux gives it, translated in context "Files".
struct SystemReason
{
    int code;
    const char *text;
};
// The reason for code from a system's table, in the program's language; the
// system's own words for a code not in it.
QString reasonFrom(const SystemReason *reasons, std::size_t count, int code);

// readRegularFile() for a file on a disk.
FileStatus readFileOnDisk(const QString &path, qint64 maximumSize, Links links,
                          QByteArray &content);

} // namespace Tessaro
