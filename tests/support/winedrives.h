#pragma once

#include <windows.h>
#include <winioctl.h>

#include <cstring>
#include <string>
#include <vector>

namespace TestSupport {

// A drive letter for a folder of the Linux side, of the given type, defined
// at run time through Wine's mount manager as winecfg does (a Wine
// extension, its request laid out as in Wine's include/ddk/mountmgr.h);
// DRIVE_NO_ROOT_DIR removes the letter. Wine reads the volume's serial
// number and name from the files .windows-serial and .windows-label there.
inline bool defineWineDrive(wchar_t letter, UINT type, const std::string &folder = {})
{
    struct Request
    {
        ULONG size;
        ULONG type;
        ULONG fileSystem;
        DWORD serial;
        ULONGLONG unixDevice;
        WCHAR letter;
        USHORT mountPointOffset;
        USHORT deviceOffset;
        USHORT labelOffset;
    };
    constexpr DWORD defineUnixDrive =
            CTL_CODE(0x6d, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
    std::vector<char> buffer(sizeof(Request) + std::size_t(folder.size()) + 1, 0);
    auto *request = reinterpret_cast<Request *>(buffer.data());
    request->size = ULONG(buffer.size());
    request->type = type;
    request->letter = letter;
    if (!folder.empty()) {
        std::memcpy(buffer.data() + sizeof(Request), folder.data(), folder.size());
        request->mountPointOffset = sizeof(Request);
    }
    const HANDLE manager = ::CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                         OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE)
        return false;
    DWORD returned = 0;
    const bool done = ::DeviceIoControl(manager, defineUnixDrive, buffer.data(), DWORD(buffer.size()),
                                        nullptr, 0, &returned, nullptr);
    ::CloseHandle(manager);
    return done;
}

} // namespace TestSupport
