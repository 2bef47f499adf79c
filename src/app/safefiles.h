#pragma once

#include <QByteArray>
#include <QString>

namespace Tessaro {

// Reading and replacing files that anyone may have put in the program's way:
// a FIFO, a device, a file that blocks, a planted symbolic link.

enum class ReadResult { Read, Missing, Refused };

enum class Links { Follow, Refuse };

// Reads the whole file at path, never blocking: only a regular file of at
// most maximumSize bytes is read, opened without waiting for a writer and
// read without waiting for data. With Links::Refuse, a symbolic link is
// Refused too. A path that names nothing, or a dangling link, is Missing.
ReadResult readRegularFile(const QString &path, qint64 maximumSize, Links links,
                           QByteArray &content);

// Whether path names nothing, or a regular file that is no symbolic link:
// a place the program may write its own file to.
bool isOwnFilePlace(const QString &path);

// Replaces the file at path with content, or leaves it as it was: the new
// bytes reach the path only once all of them were written.
bool replaceFile(const QString &path, const QByteArray &content);

} // namespace Tessaro
