#include "core/safefiles_win.h"

#include "core/safefiles_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <windows.h>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

FileStatus failed(FileStatus::Problem problem, int systemError = 0)
{
    return {problem, systemError};
}

FileStatus systemError(DWORD code = ::GetLastError())
{
    return failed(FileStatus::SystemError, int(code));
}

std::wstring native(const QString &path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// A handle, closed when it goes out of scope.
class Handle
{
public:
    explicit Handle(HANDLE handle) : m_handle(handle) { }
    ~Handle()
    {
        if (valid())
            ::CloseHandle(m_handle);
    }
    Handle(const Handle &) = delete;
    Handle &operator=(const Handle &) = delete;

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return m_handle; }
    // Closes it now, saying whether that went well.
    bool close() { return ::CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)); }

private:
    HANDLE m_handle;
};

bool isMissing(DWORD code)
{
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

// What stands at a name, looked at without opening anything but the name
// itself: a link or junction is not followed, and a device (CON, NUL, COM1,
// a pipe) is told from a file on a disk.
enum class Kind { Missing, File, Link, Other };
Kind kindAt(const std::wstring &path, DWORD &code)
{
    Handle handle(::CreateFileW(path.c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING,
                                FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                                nullptr));
    BY_HANDLE_FILE_INFORMATION information = {};
    if (!handle.valid()) {
        code = ::GetLastError();
        return isMissing(code) ? Kind::Missing : Kind::Other;
    }
    if (::GetFileType(handle.get()) != FILE_TYPE_DISK
        || !::GetFileInformationByHandle(handle.get(), &information))
        return Kind::Other;
    if (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)
        return Kind::Link;
    return information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? Kind::Other : Kind::File;
}

// Whether a link leads to a file on a disk.
bool leadsToFile(const std::wstring &path)
{
    Handle handle(::CreateFileW(path.c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION information = {};
    return handle.valid() && ::GetFileType(handle.get()) == FILE_TYPE_DISK
            && ::GetFileInformationByHandle(handle.get(), &information)
            && !(information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
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

// The file's own bytes replaced, for a file its owner may write in a folder
// where no new file may be made.
FileStatus rewriteInPlace(const std::wstring &path, const QByteArray &content)
{
    Handle file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file.valid())
        return systemError();
    if (::GetFileType(file.get()) != FILE_TYPE_DISK)
        return failed(FileStatus::NotAFile);
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

} // namespace

bool isDeviceName(const QString &name)
{
    // Whatever follows a dot, and in any folder.
    static const QRegularExpression device(
            u"^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]|CONIN\\$|CONOUT\\$)( *\\..*)?$"_s,
            QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

FileStatus readFileOnDisk(const QString &path, qint64 maximumSize, Links links,
                          QByteArray &content)
{
    if (isDeviceName(QFileInfo(path).fileName()))
        return failed(FileStatus::NotAFile);
    const std::wstring name = native(path);
    DWORD code = 0;
    switch (kindAt(name, code)) {
    case Kind::Missing:
        return failed(FileStatus::Missing);
    case Kind::Link:
        if (links == Links::Refuse || !leadsToFile(name))
            return failed(FileStatus::NotAFile);
        break;
    case Kind::Other:
        return code ? systemError(code) : failed(FileStatus::NotAFile);
    case Kind::File:
        break;
    }
    Handle file(::CreateFileW(name.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING,
                              FILE_FLAG_SEQUENTIAL_SCAN
                                      | (links == Links::Refuse ? FILE_FLAG_OPEN_REPARSE_POINT : 0),
                              nullptr));
    if (!file.valid())
        return systemError();
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
    DWORD code = 0;
    const Kind kind = kindAt(native(path), code);
    return kind == Kind::Missing || kind == Kind::File;
}

FileStatus writeFile(const QString &path, const QByteArray &content, Existing existing,
                     FolderLinks folderLinks)
{
    const QFileInfo info(path);
    if (info.fileName().isEmpty())
        return failed(FileStatus::NotAFile);
    const std::wstring folder = native(info.absolutePath());
    const DWORD folderAttributes = ::GetFileAttributesW(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES)
        return systemError();
    if (folderLinks == FolderLinks::Refuse && (folderAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return failed(FileStatus::FolderIsLink);
    const std::wstring target = native(info.absoluteFilePath());

    // A device's name (CON, NUL, COM1), a folder, or a link to no file is
    // refused as such, never as a name that exists.
    if (isDeviceName(info.fileName()))
        return failed(FileStatus::NotAFile);
    DWORD code = 0;
    const Kind kind = kindAt(target, code);
    if (kind == Kind::Other || (kind == Kind::Link && !leadsToFile(target)))
        return failed(FileStatus::NotAFile);
    if (kind != Kind::Missing && existing == Existing::Keep)
        return failed(FileStatus::Exists);
    // A write-protected file keeps its content.
    if (kind == Kind::File
        && (::GetFileAttributesW(target.c_str()) & FILE_ATTRIBUTE_READONLY))
        return systemError(ERROR_ACCESS_DENIED);

    // A new file of our own beside it, whole on the disk before it is named.
    std::wstring temporary;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = folder + L'\\' + QString::fromLatin1(temporaryName()).toStdWString();
        created = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            break;
    }
    Handle file(created);
    if (!file.valid()) {
        const DWORD refused = ::GetLastError();
        if (kind == Kind::File && refused == ERROR_ACCESS_DENIED)
            return rewriteInPlace(target, content);
        return systemError(refused);
    }
    if (!writeAll(file.get(), content) || !::FlushFileBuffers(file.get()) || !file.close()) {
        const DWORD refused = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        return systemError(refused);
    }
    // Without replacing, the system refuses if the name exists at that very
    // moment; with it, a link is replaced itself, never written through.
    const DWORD flags = MOVEFILE_WRITE_THROUGH
            | (existing == Existing::Replace ? MOVEFILE_REPLACE_EXISTING : 0);
    if (!::MoveFileExW(temporary.c_str(), target.c_str(), flags)) {
        const DWORD refused = ::GetLastError();
        ::DeleteFileW(temporary.c_str());
        return refused == ERROR_ALREADY_EXISTS || refused == ERROR_FILE_EXISTS
                ? failed(FileStatus::Exists)
                : systemError(refused);
    }
    return {};
}

QLatin1StringView systemLineEnd()
{
    return QLatin1StringView("\r\n");
}

QString systemReason(int code)
{
    // The system's reasons a file command can meet, worded as Linux words
    // the same reasons, so that they read and translate alike everywhere.
    struct Reason
    {
        DWORD code;
        const char *text;
    };
    static constexpr Reason reasons[] = {
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
    for (const Reason &reason : reasons) {
        if (reason.code == DWORD(code))
            return QCoreApplication::translate("Files", reason.text);
    }
    return qt_error_string(code);
}

} // namespace Tessaro
