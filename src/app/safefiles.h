#pragma once

#include <QByteArray>
#include <QString>

namespace Tessaro {

// Reading and replacing files that anyone may have put in the program's way:
// a FIFO, a device, a file that blocks, a planted symbolic link.

// Read, or why not: nothing at the path; a folder, device, FIFO or (with
// Links::Refuse) symbolic link; more than allowed; or the system refused.
enum class ReadResult { Read, Missing, NotAFile, TooLarge, Unreadable };

enum class Links { Follow, Refuse };

// Reads the whole file at path, never blocking: only a regular file of at
// most maximumSize bytes is read, opened without waiting for a writer and
// read without waiting for data. With Links::Refuse, a symbolic link is
// not read either. A path that names nothing, or a dangling link, is Missing.
ReadResult readRegularFile(const QString &path, qint64 maximumSize, Links links,
                           QByteArray &content);

// Whether path names nothing, or a regular file that is no symbolic link:
// a place the program may write its own file to.
bool isOwnFilePlace(const QString &path);

// Replaces the file at path with content, or leaves it as it was: the new
// bytes reach the path only once all of them were written. error, when
// given, receives the system's reason for a failure.
bool replaceFile(const QString &path, const QByteArray &content, QString *error = nullptr);

} // namespace Tessaro
