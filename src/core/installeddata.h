#pragma once

#include <QString>

namespace Tessaro {

// The folder where an installation keeps the program's data (translations,
// window icon). It is found from the executable's own folder, so that an
// installation moved elsewhere still finds it.
QString installedDataFolder();

// Whether the program keeps its own files beside itself: a program run from
// its build or unpacked folder, which the user may write. An installed
// program never does, not even for root: its folder is every user's.
bool keepsFilesBesideItself();

// The user's own folder for the program's files: $XDG_CONFIG_HOME/tessaro,
// or ~/.config/tessaro when that variable is unset or not absolute.
QString userConfigurationFolder();

} // namespace Tessaro
