#pragma once

#include <QByteArray>
#include <QString>


namespace Tessaro {

// Reading and writing files that anyone may have put in the program's way:
// a FIFO, a device, a file that blocks, a planted symbolic link, a rival
// process writing the same name at the same moment.

// What became of a read or a write, and if it failed, why.
struct FileStatus
{
    enum Problem {
        None,
        Missing,      // nothing at the path, or a link to nothing
        Exists,       // something at the path that was not to be replaced
        NotAFile,     // a folder, device, FIFO, dangling link or link loop
        FolderIsLink, // the folder was to be a folder, not a link to one
        TooLarge,     // more bytes than the reader allows
        SystemError,  // the system refused: systemError holds its code
    };
    Problem problem = None;
    int systemError = 0;

    bool ok() const { return problem == None; }
};

enum class Links { Follow, Refuse };

// Reads the whole file at path, never blocking: only a regular file of at
// most maximumSize bytes is read, opened without waiting for a writer and
// read without waiting for data. With Links::Refuse, a symbolic link is
// not read either.
FileStatus readRegularFile(const QString &path, qint64 maximumSize, Links links,
                           QByteArray &content);

// Reads standard input to its end, at most maximumSize bytes.
FileStatus readStandardInput(qint64 maximumSize, QByteArray &content);

// Whether path names nothing, or a regular file that is no symbolic link:
// a place the program may write its own file to.
bool isOwnFilePlace(const QString &path);

// What writeFile does with whatever the path already names.
enum class Existing {
    // Nothing is replaced: the file is created only if, at the moment it
    // appears, nothing has that name. A link, even to nothing, counts.
    Keep,
    // A regular file, or a link to one, is replaced, if the user may write
    // that file; a link is replaced itself, never written through. Anything
    // else is refused.
    Replace,
};

// Whether a read may take its bytes from memory, or must take them from the
// device itself, as a check of what reached it must.
enum class Cache { Use, Drop };

// Whether the folder that receives the file may be a link to a folder.
enum class FolderLinks { Follow, Refuse };

// Writes content to path, all or nothing: the bytes go to a new file in
// the same folder, reach the disk, and only then take the name. Where the
// folder lets no file be created but the file itself may be written, a
// replaced file is rewritten in place, every step checked.
FileStatus writeFile(const QString &path, const QByteArray &content, Existing existing,
                     FolderLinks folderLinks = FolderLinks::Follow);

// The line end of the system's text files: CR LF on Windows.
QLatin1StringView systemLineEnd();

// Why the system refused, in the program's own language: the system's
// code for it (errno on Linux, a Windows error code on Windows) as the system
// words it in English, translated; the system's own words for any other.
QString systemReason(int code);

} // namespace Tessaro
