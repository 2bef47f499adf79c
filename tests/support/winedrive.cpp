// Defines and removes Wine drive letters for the tests of cards on Windows:
//   winedrive define LETTER removable|fixed|network LINUX-FOLDER
//   winedrive remove LETTER

#include "support/winedrives.h"

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t *argv[])
{
    const auto is = [&](int i, const wchar_t *word) { return std::wcscmp(argv[i], word) == 0; };
    if (argc == 5 && is(1, L"define")) {
        const UINT type = is(3, L"removable") ? DRIVE_REMOVABLE
                : is(3, L"fixed")             ? DRIVE_FIXED
                : is(3, L"network")           ? DRIVE_REMOTE
                                              : DRIVE_UNKNOWN;
        // The folder is a Linux one: its name is bytes, here UTF-8.
        std::string folder;
        for (const wchar_t *c = argv[4]; *c; ++c)
            folder += char(*c);
        return type != DRIVE_UNKNOWN && TestSupport::defineWineDrive(argv[2][0], type, folder) ? 0 : 1;
    }
    if (argc == 3 && is(1, L"remove"))
        return TestSupport::defineWineDrive(argv[2][0], DRIVE_NO_ROOT_DIR) ? 0 : 1;
    return 2;
}
