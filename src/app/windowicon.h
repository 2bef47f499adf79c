#pragma once

#include <QIcon>

namespace Tessaro {

// The title-bar icon of the program's windows: the file "ico256x256Win.ico"
// in the current directory, or the same icon built into the program where
// that file is absent or unreadable.
QIcon windowIcon();

} // namespace Tessaro
