#pragma once

#include <QByteArray>
#include <QString>

#include <utility>

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
        SystemError,  // the system refused: systemError holds errno
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

// Whether the folder that receives the file may be a link to a folder.
enum class FolderLinks { Follow, Refuse };

// Writes content to path, all or nothing: the bytes go to a new file in
// the same folder, reach the disk, and only then take the name. Where the
// folder lets no file be created but the file itself may be written, a
// replaced file is rewritten in place, every step checked.
FileStatus writeFile(const QString &path, const QByteArray &content, Existing existing,
                     FolderLinks folderLinks = FolderLinks::Follow);

#ifdef Q_OS_UNIX
// A file descriptor, closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int descriptor = -1) : m_descriptor(descriptor) { }
    ~Descriptor();
    Descriptor(Descriptor &&other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1)) { }
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        std::swap(m_descriptor, other.m_descriptor);
        return *this;
    }

    int get() const { return m_descriptor; }
    // Closes it now, saying whether the last writes went well.
    bool close();

private:
    int m_descriptor;
};

// The same, for a file of a folder already open: every step works relative
// to that folder, whatever its path names meanwhile.
FileStatus writeFileIn(int folder, const QByteArray &name, const QByteArray &content,
                       Existing existing);

// Removes what runs of ours that were stopped midway left in a folder
// already open: regular files with the names only our temporary files have.
void removeLeftovers(int folder);

// Whether a read may take its bytes from memory, or must take them from the
// device itself, as a check of what reached it must.
enum class Cache { Use, Drop };

// Reads a regular file of a folder already open, never through a link, at
// most maximumSize bytes.
FileStatus readFileIn(int folder, const QByteArray &name, qint64 maximumSize, Cache cache,
                      QByteArray &content);
#endif

} // namespace Tessaro
