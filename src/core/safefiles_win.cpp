#include "core/safefiles_win.h"

#include "core/safefiles_p.h"

#include <QDir>
#include <QFileInfo>

#include <winternl.h>

#include <algorithm>
#include <iterator>
#include <memory>

using namespace Qt::StringLiterals;

// The directory listing ntdll offers, which winternl.h does not declare.
extern "C" NTSTATUS NTAPI NtQueryDirectoryFile(HANDLE file, HANDLE event, PVOID apcRoutine,
                                               PVOID apcContext, PIO_STATUS_BLOCK io,
                                               PVOID buffer, ULONG length,
                                               FILE_INFORMATION_CLASS informationClass,
                                               BOOLEAN single, PUNICODE_STRING name,
                                               BOOLEAN restart);

namespace Tessaro {

namespace {

// NT's own spellings, which the C runtime's headers leave out.
constexpr NTSTATUS notFound = NTSTATUS(0xC0000034L);     // STATUS_OBJECT_NAME_NOT_FOUND
constexpr NTSTATUS pathNotFound = NTSTATUS(0xC000003AL); // STATUS_OBJECT_PATH_NOT_FOUND
constexpr NTSTATUS collision = NTSTATUS(0xC0000035L);    // STATUS_OBJECT_NAME_COLLISION
constexpr NTSTATUS noMoreFiles = NTSTATUS(0x80000006L);  // STATUS_NO_MORE_FILES
constexpr ULONG create = 2;                              // FILE_CREATE
constexpr ULONG open = 1;                                // FILE_OPEN
constexpr ULONG noIntermediateBuffering = 0x8;           // FILE_NO_INTERMEDIATE_BUFFERING
constexpr FILE_INFORMATION_CLASS renameInformation = FILE_INFORMATION_CLASS(10);
constexpr FILE_INFORMATION_CLASS dispositionInformation = FILE_INFORMATION_CLASS(13);
constexpr FS_INFORMATION_CLASS sizeInformation = FS_INFORMATION_CLASS(3);

struct RenameInformation
{
    BOOLEAN replaceIfExists;
    HANDLE rootDirectory;
    ULONG fileNameLength;
    WCHAR fileName[MAX_PATH];
};

struct SizeInformation
{
    LARGE_INTEGER totalAllocationUnits;
    LARGE_INTEGER availableAllocationUnits;
    ULONG sectorsPerAllocationUnit;
    ULONG bytesPerSector;
};

FileStatus failed(FileStatus::Problem problem, int systemError = 0)
{
    return {problem, systemError};
}

FileStatus systemError(DWORD code = ::GetLastError())
{
    return failed(FileStatus::SystemError, int(code));
}

FileStatus ntError(NTSTATUS status)
{
    return status == notFound || status == pathNotFound
            ? failed(FileStatus::Missing)
            : systemError(::RtlNtStatusToDosError(status));
}

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// A handle, closed when it goes out of scope.
class Handle
{
public:
    explicit Handle(HANDLE handle = INVALID_HANDLE_VALUE) : m_handle(handle) { }
    ~Handle()
    {
        if (valid())
            ::CloseHandle(m_handle);
    }
    Handle(Handle &&other) noexcept : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) { }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    HANDLE get() const { return m_handle; }
    HANDLE *out() { return &m_handle; }
    // Closes it now, saying whether that went well.
    bool close() { return ::CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)); }

private:
    HANDLE m_handle;
};

// Opens name in folder, relative to it as openat() does on Linux: whatever
// the folder's path names meanwhile, this is the folder held.
NTSTATUS openIn(HANDLE folder, const std::wstring &name, ACCESS_MASK access, ULONG share,
                ULONG disposition, ULONG options, Handle &file)
{
    UNICODE_STRING string{USHORT(name.size() * sizeof(WCHAR)),
                          USHORT(name.size() * sizeof(WCHAR)), const_cast<PWSTR>(name.c_str())};
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &string, OBJ_CASE_INSENSITIVE, folder, nullptr);
    IO_STATUS_BLOCK io = {};
    return ::NtCreateFile(file.out(), access | SYNCHRONIZE, &attributes, &io, nullptr,
                          FILE_ATTRIBUTE_NORMAL, share, disposition,
                          options | FILE_SYNCHRONOUS_IO_NONALERT, nullptr, 0);
}

constexpr ULONG shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// What stands at a name in a folder, looked at without following a link or
// junction, and told from a device (a pipe, a console) or a folder.
enum class Kind { Missing, File, ReadOnlyFile, Link, Other };
Kind kindIn(HANDLE folder, const std::wstring &name)
{
    Handle file;
    const NTSTATUS status =
            openIn(folder, name, FILE_READ_ATTRIBUTES, shareAll, open, FILE_OPEN_REPARSE_POINT, file);
    if (!NT_SUCCESS(status))
        return status == notFound || status == pathNotFound ? Kind::Missing : Kind::Other;
    BY_HANDLE_FILE_INFORMATION information = {};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK
        || !::GetFileInformationByHandle(file.get(), &information))
        return Kind::Other;
    const DWORD attributes = information.dwFileAttributes;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return Kind::Link;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return Kind::Other;
    return attributes & FILE_ATTRIBUTE_READONLY ? Kind::ReadOnlyFile : Kind::File;
}

// Whether a link in a folder leads to a file on a disk.
bool leadsToFileIn(HANDLE folder, const std::wstring &name)
{
    Handle file;
    return NT_SUCCESS(openIn(folder, name, FILE_READ_ATTRIBUTES, shareAll, open,
                             FILE_NON_DIRECTORY_FILE, file))
            && ::GetFileType(file.get()) == FILE_TYPE_DISK;
}

bool writeAll(HANDLE file, const QByteArray &content)
{
    for (qsizetype done = 0; done < content.size();) {
        DWORD written = 0;
        const DWORD part = DWORD(std::min<qsizetype>(content.size() - done, 1 << 20));
        if (!::WriteFile(file, content.constData() + done, part, &written, nullptr)
            || written == 0)
            return false;
        done += written;
    }
    return true;
}

// Reads a handle to its end, at most maximumSize bytes; a pipe whose writer
// is gone has ended.
FileStatus readAll(HANDLE handle, qint64 maximumSize, QByteArray &content)
{
    content.clear();
    char buffer[65536];
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(handle, buffer, sizeof buffer, &read, nullptr)) {
            const DWORD code = ::GetLastError();
            if (code == ERROR_BROKEN_PIPE || code == ERROR_HANDLE_EOF)
                return {};
            content.clear();
            return systemError(code);
        }
        if (read == 0)
            return {};
        if (content.size() + qint64(read) > maximumSize) {
            content.clear();
            return failed(FileStatus::TooLarge);
        }
        content.append(buffer, read);
    }
}

// Reads a file opened without the system's cache, in whole sectors into a
// buffer aligned as the device wants it.
FileStatus readUncached(HANDLE file, HANDLE folder, qint64 size, QByteArray &content)
{
    IO_STATUS_BLOCK io = {};
    SizeInformation volume = {};
    const DWORD sector =
            NT_SUCCESS(::NtQueryVolumeInformationFile(folder, &io, &volume, sizeof volume,
                                                      sizeInformation))
                    && volume.bytesPerSector > 0
            ? volume.bytesPerSector
            : 4096;
    const SIZE_T length = SIZE_T((size / sector + 1) * sector);
    const std::unique_ptr<void, void (*)(void *)> buffer(
            ::VirtualAlloc(nullptr, length, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE),
            [](void *memory) { ::VirtualFree(memory, 0, MEM_RELEASE); });
    if (!buffer)
        return systemError();
    SIZE_T done = 0;
    for (;;) {
        DWORD read = 0;
        if (!::ReadFile(file, static_cast<char *>(buffer.get()) + done, DWORD(length - done),
                        &read, nullptr)) {
            const DWORD code = ::GetLastError();
            if (code == ERROR_HANDLE_EOF)
                break;
            return systemError(code);
        }
        done += read;
        if (read == 0 || done >= length || read % sector != 0)
            break;
    }
    if (qint64(done) > size)
        done = SIZE_T(size);
    content = QByteArray(static_cast<const char *>(buffer.get()), qsizetype(done));
    return {};
}

// The file's own bytes replaced, for a file its owner may write in a folder
// where no new file may be made.
FileStatus rewriteInPlace(HANDLE folder, const std::wstring &name, const QByteArray &content)
{
    Handle file;
    if (const NTSTATUS status = openIn(folder, name, GENERIC_WRITE, FILE_SHARE_READ, open,
                                       FILE_NON_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT, file);
        !NT_SUCCESS(status))
        return ntError(status);
    // Room for the new bytes first, so that a full disk refuses before one
    // old byte is overwritten.
    LARGE_INTEGER size = {};
    size.QuadPart = content.size();
    if (!::SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) || !::SetEndOfFile(file.get()))
        return systemError();
    size.QuadPart = 0;
    if (!::SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN)
        || !writeAll(file.get(), content) || !::FlushFileBuffers(file.get()) || !file.close())
        return systemError();
    return {};
}

// Gives a file of folder another name there; replacing what has it only
// when told to, and then a link itself, never its target.
NTSTATUS renameIn(HANDLE file, HANDLE folder, const std::wstring &name, bool replace)
{
    RenameInformation rename = {};
    rename.replaceIfExists = replace;
    rename.rootDirectory = folder;
    rename.fileNameLength = ULONG(name.size() * sizeof(WCHAR));
    std::copy(name.begin(), name.end(), rename.fileName);
    IO_STATUS_BLOCK io = {};
    return ::NtSetInformationFile(file, &io, &rename, sizeof rename, renameInformation);
}

void deleteOpened(HANDLE file)
{
    BOOLEAN remove = TRUE;
    IO_STATUS_BLOCK io = {};
    ::NtSetInformationFile(file, &io, &remove, sizeof remove, dispositionInformation);
}

// Opens a folder by its path, as a folder to work in.
Handle openFolder(const QString &path, FolderLinks links, DWORD &code)
{
    Handle folder(::CreateFileW(native(path).c_str(),
                                FILE_LIST_DIRECTORY | FILE_READ_ATTRIBUTES | FILE_TRAVERSE,
                                shareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS
                                        | (links == FolderLinks::Refuse
                                                   ? FILE_FLAG_OPEN_REPARSE_POINT
                                                   : 0),
                                nullptr));
    code = folder.valid() ? 0 : ::GetLastError();
    return folder;
}

} // namespace

bool isDeviceName(const QString &name)
{
    // Compared by hand: a regular expression keeps a matching stack per
    // thread, and freeing it as a thread ends crashes Qt built with MinGW.
    static constexpr QLatin1StringView devices[] = {
            "CON"_L1, "PRN"_L1, "AUX"_L1, "NUL"_L1, "CONIN$"_L1, "CONOUT$"_L1};
    QStringView base = QStringView(name).left(name.indexOf(u'.'));
    while (base.endsWith(u' '))
        base.chop(1);
    if (base.size() == 4 && base.at(3) >= u'1' && base.at(3) <= u'9'
        && (base.startsWith("COM"_L1, Qt::CaseInsensitive)
            || base.startsWith("LPT"_L1, Qt::CaseInsensitive)))
        return true;
    return std::any_of(std::begin(devices), std::end(devices), [base](QLatin1StringView device) {
        return base.compare(device, Qt::CaseInsensitive) == 0;
    });
}

FileStatus readFileIn(HANDLE folder, const QString &name, qint64 maximumSize, Cache cache,
                      QByteArray &content)
{
    content.clear();
    if (isDeviceName(name))
        return failed(FileStatus::NotAFile);
    Handle file;
    const NTSTATUS status =
            openIn(folder, name.toStdWString(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                   open,
                   FILE_NON_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT | FILE_SEQUENTIAL_ONLY
                           | (cache == Cache::Drop ? noIntermediateBuffering : 0),
                   file);
    if (!NT_SUCCESS(status))
        return ntError(status);
    BY_HANDLE_FILE_INFORMATION information = {};
    LARGE_INTEGER size = {};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK
        || !::GetFileInformationByHandle(file.get(), &information)
        || (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        || !::GetFileSizeEx(file.get(), &size))
        return failed(FileStatus::NotAFile);
    if (size.QuadPart > maximumSize)
        return failed(FileStatus::TooLarge);
    return cache == Cache::Drop ? readUncached(file.get(), folder, size.QuadPart, content)
                                : readAll(file.get(), maximumSize, content);
}

FileStatus writeFileIn(HANDLE folder, const QString &fileName, const QByteArray &content,
                       Existing existing)
{
    // A device's name (CON, NUL, COM1), a folder, or a link to no file is
    // refused as such, never as a name that exists.
    if (isDeviceName(fileName))
        return failed(FileStatus::NotAFile);
    const std::wstring name = fileName.toStdWString();
    const Kind kind = kindIn(folder, name);
    if (kind == Kind::Other || (kind == Kind::Link && !leadsToFileIn(folder, name)))
        return failed(FileStatus::NotAFile);
    if (kind != Kind::Missing && existing == Existing::Keep)
        return failed(FileStatus::Exists);
    // A file with the read-only attribute keeps its content.
    if (kind == Kind::ReadOnlyFile)
        return systemError(ERROR_ACCESS_DENIED);

    // A new file of our own beside it, whole on the disk before it is named.
    Handle file;
    NTSTATUS status = collision;
    for (int attempt = 0; attempt < 100 && status == collision; ++attempt)
        status = openIn(folder, QString::fromLatin1(temporaryName()).toStdWString(),
                        GENERIC_WRITE | DELETE, 0, create, FILE_NON_DIRECTORY_FILE, file);
    if (!NT_SUCCESS(status)) {
        if (kind == Kind::File && ::RtlNtStatusToDosError(status) == ERROR_ACCESS_DENIED)
            return rewriteInPlace(folder, name, content);
        return ntError(status);
    }
    if (!writeAll(file.get(), content) || !::FlushFileBuffers(file.get())) {
        const DWORD refused = ::GetLastError();
        deleteOpened(file.get());
        return systemError(refused);
    }
    // Without replacing, the system refuses if the name exists at that very
    // moment, so two runs never both write one name.
    status = renameIn(file.get(), folder, name, existing == Existing::Replace);
    if (!NT_SUCCESS(status)) {
        deleteOpened(file.get());
        return status == collision ? failed(FileStatus::Exists) : ntError(status);
    }
    if (!file.close())
        return systemError();
    return {};
}

void removeLeftovers(HANDLE folder)
{
    alignas(8) char buffer[16384];
    for (bool restart = true;; restart = false) {
        IO_STATUS_BLOCK io = {};
        const NTSTATUS status = NtQueryDirectoryFile(folder, nullptr, nullptr, nullptr, &io,
                                                     buffer, sizeof buffer,
                                                     FileDirectoryInformation, FALSE, nullptr,
                                                     restart);
        if (status == noMoreFiles || !NT_SUCCESS(status))
            return;
        for (auto *entry = reinterpret_cast<FILE_DIRECTORY_INFORMATION *>(buffer);;
             entry = reinterpret_cast<FILE_DIRECTORY_INFORMATION *>(
                     reinterpret_cast<char *>(entry) + entry->NextEntryOffset)) {
            const QString name = QString::fromWCharArray(entry->FileName,
                                                         entry->FileNameLength / sizeof(WCHAR));
            const DWORD attributes = entry->FileAttributes;
            Handle leftover;
            if (isTemporaryName(name.toLatin1())
                && !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT))
                && NT_SUCCESS(openIn(folder, name.toStdWString(), DELETE, shareAll, open,
                                     FILE_NON_DIRECTORY_FILE | FILE_OPEN_REPARSE_POINT,
                                     leftover)))
                deleteOpened(leftover.get());
            if (entry->NextEntryOffset == 0)
                break;
        }
    }
}

FileStatus readFileOnDisk(const QString &path, qint64 maximumSize, Links links,
                          QByteArray &content)
{
    const QFileInfo info(path);
    DWORD code = 0;
    const Handle folder = openFolder(info.absolutePath(), FolderLinks::Follow, code);
    if (!folder.valid())
        return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND
                ? failed(FileStatus::Missing)
                : systemError(code);
    const std::wstring name = info.fileName().toStdWString();
    if (isDeviceName(info.fileName()))
        return failed(FileStatus::NotAFile);
    switch (kindIn(folder.get(), name)) {
    case Kind::Missing:
        return failed(FileStatus::Missing);
    case Kind::Link:
        if (links == Links::Refuse || !leadsToFileIn(folder.get(), name))
            return failed(FileStatus::NotAFile);
        break;
    case Kind::Other:
        return failed(FileStatus::NotAFile);
    case Kind::File:
    case Kind::ReadOnlyFile:
        break;
    }
    Handle file;
    const NTSTATUS status =
            openIn(folder.get(), name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, open,
                   FILE_NON_DIRECTORY_FILE | FILE_SEQUENTIAL_ONLY
                           | (links == Links::Refuse ? FILE_OPEN_REPARSE_POINT : 0),
                   file);
    if (!NT_SUCCESS(status))
        return ntError(status);
    LARGE_INTEGER size = {};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileSizeEx(file.get(), &size))
        return failed(FileStatus::NotAFile);
    if (size.QuadPart > maximumSize)
        return failed(FileStatus::TooLarge);
    return readAll(file.get(), maximumSize, content);
}

FileStatus readStandardInput(qint64 maximumSize, QByteArray &content)
{
    return readAll(::GetStdHandle(STD_INPUT_HANDLE), maximumSize, content);
}

bool isOwnFilePlace(const QString &path)
{
    const QFileInfo info(path);
    if (isDeviceName(info.fileName()))
        return false;
    DWORD code = 0;
    const Handle folder = openFolder(info.absolutePath(), FolderLinks::Follow, code);
    if (!folder.valid())
        return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
    const Kind kind = kindIn(folder.get(), info.fileName().toStdWString());
    return kind == Kind::Missing || kind == Kind::File || kind == Kind::ReadOnlyFile;
}

FileStatus writeFile(const QString &path, const QByteArray &content, Existing existing,
                     FolderLinks folderLinks)
{
    // Everything happens in one folder, opened once: no one can swap it for
    // another between a look and a write.
    const QFileInfo info(path);
    if (info.fileName().isEmpty())
        return failed(FileStatus::NotAFile);
    DWORD code = 0;
    const Handle folder = openFolder(info.absolutePath(), folderLinks, code);
    if (!folder.valid())
        return systemError(code);
    BY_HANDLE_FILE_INFORMATION information = {};
    if (folderLinks == FolderLinks::Refuse
        && (!::GetFileInformationByHandle(folder.get(), &information)
            || (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)))
        return failed(FileStatus::FolderIsLink);
    return writeFileIn(folder.get(), info.fileName(), content, existing);
}

QLatin1StringView systemLineEnd()
{
    return QLatin1StringView("\r\n");
}

QString systemReason(int code)
{
    // The system's reasons a file command can meet, worded as Linux words
    // the same reasons, so that they read and translate alike everywhere.
    static constexpr SystemReason reasons[] = {
            {ERROR_ACCESS_DENIED, QT_TRANSLATE_NOOP("Files", "Permission denied")},
            {ERROR_WRITE_PROTECT, QT_TRANSLATE_NOOP("Files", "Read-only file system")},
            {ERROR_DISK_FULL, QT_TRANSLATE_NOOP("Files", "No space left on device")},
            {ERROR_HANDLE_DISK_FULL, QT_TRANSLATE_NOOP("Files", "No space left on device")},
            {ERROR_FILE_TOO_LARGE, QT_TRANSLATE_NOOP("Files", "File too large")},
            {ERROR_FILE_NOT_FOUND, QT_TRANSLATE_NOOP("Files", "No such file or directory")},
            {ERROR_PATH_NOT_FOUND, QT_TRANSLATE_NOOP("Files", "No such file or directory")},
            {ERROR_BAD_NETPATH, QT_TRANSLATE_NOOP("Files", "No such file or directory")},
            {ERROR_FILE_EXISTS, QT_TRANSLATE_NOOP("Files", "File exists")},
            {ERROR_ALREADY_EXISTS, QT_TRANSLATE_NOOP("Files", "File exists")},
            {ERROR_DIRECTORY, QT_TRANSLATE_NOOP("Files", "Not a directory")},
            {ERROR_DIR_NOT_EMPTY, QT_TRANSLATE_NOOP("Files", "Directory not empty")},
            {ERROR_CANT_RESOLVE_FILENAME,
             QT_TRANSLATE_NOOP("Files", "Too many levels of symbolic links")},
            {ERROR_FILENAME_EXCED_RANGE, QT_TRANSLATE_NOOP("Files", "File name too long")},
            {ERROR_NOT_SAME_DEVICE, QT_TRANSLATE_NOOP("Files", "Invalid cross-device link")},
            {ERROR_SHARING_VIOLATION, QT_TRANSLATE_NOOP("Files", "Device or resource busy")},
            {ERROR_LOCK_VIOLATION, QT_TRANSLATE_NOOP("Files", "Device or resource busy")},
            {ERROR_BUSY, QT_TRANSLATE_NOOP("Files", "Device or resource busy")},
            {ERROR_NOT_READY, QT_TRANSLATE_NOOP("Files", "No such device")},
            {ERROR_INVALID_DRIVE, QT_TRANSLATE_NOOP("Files", "No such device")},
            {ERROR_DEV_NOT_EXIST, QT_TRANSLATE_NOOP("Files", "No such device")},
            {ERROR_DEVICE_NOT_CONNECTED, QT_TRANSLATE_NOOP("Files", "No such device")},
            {ERROR_TOO_MANY_OPEN_FILES, QT_TRANSLATE_NOOP("Files", "Too many open files")},
            {ERROR_NOT_ENOUGH_MEMORY, QT_TRANSLATE_NOOP("Files", "Cannot allocate memory")},
            {ERROR_OUTOFMEMORY, QT_TRANSLATE_NOOP("Files", "Cannot allocate memory")},
            {ERROR_NOT_SUPPORTED, QT_TRANSLATE_NOOP("Files", "Operation not supported")},
            {ERROR_INVALID_PARAMETER, QT_TRANSLATE_NOOP("Files", "Invalid argument")},
            {ERROR_INVALID_NAME, QT_TRANSLATE_NOOP("Files", "Invalid argument")},
            {ERROR_BAD_PATHNAME, QT_TRANSLATE_NOOP("Files", "Invalid argument")},
            {ERROR_INVALID_HANDLE, QT_TRANSLATE_NOOP("Files", "Bad file descriptor")},
            {ERROR_OPERATION_ABORTED, QT_TRANSLATE_NOOP("Files", "Interrupted system call")},
            {ERROR_BROKEN_PIPE, QT_TRANSLATE_NOOP("Files", "Broken pipe")},
            {ERROR_NO_DATA, QT_TRANSLATE_NOOP("Files", "Broken pipe")},
            {ERROR_CRC, QT_TRANSLATE_NOOP("Files", "Input/output error")},
            {ERROR_READ_FAULT, QT_TRANSLATE_NOOP("Files", "Input/output error")},
            {ERROR_WRITE_FAULT, QT_TRANSLATE_NOOP("Files", "Input/output error")},
            {ERROR_GEN_FAILURE, QT_TRANSLATE_NOOP("Files", "Input/output error")},
            {ERROR_IO_DEVICE, QT_TRANSLATE_NOOP("Files", "Input/output error")},
    };
    return reasonFrom(reasons, std::size(reasons), code);
}

} // namespace Tessaro
