#pragma once

#include <QString>

namespace Tessaro {

// The folder where an installation keeps the program's data (translations,
// window icon). It is found from the executable's own folder, so that an
// installation moved elsewhere still finds it.
QString installedDataFolder();

// Whether the program's own folder may be written: not so for an installed
// program, whose files then go to the user's folders.
bool programFolderIsWritable();

} // namespace Tessaro
