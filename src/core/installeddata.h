#pragma once

#include <QString>

namespace Tessaro {

// The folder where an installation keeps the program's data (translations,
// window icon). It is found from the executable's own folder, so that an
// installation moved elsewhere still finds it.
QString installedDataFolder();

// Whether the program keeps its own files beside itself: one with no
// installation's data folder beside its own, where a file can be made (a
// build folder, an unpacked archive, a folder of the user's own). An
// installed Linux program never does, not even for root: its folder is
// every user's.
bool keepsFilesBesideItself();

// The user's own folder for the program's files: on Linux
// $XDG_CONFIG_HOME/tessaro, or ~/.config/tessaro when that variable is unset
// or not absolute; on Windows %APPDATA%\Tessaro.
QString userConfigurationFolder();

// Where the window keeps how the user left it (window.conf): on Linux the
// user's own folder, always; on Windows beside the program where it keeps
// its files there, as the preferences file.
QString windowSettingsFolder();

} // namespace Tessaro
