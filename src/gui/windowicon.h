#pragma once

#include <QIcon>

namespace Tessaro {

// The title-bar icon of the program's windows: the file "ico256x256Win.ico"
// in the current directory, else in the installation's data folder, else the
// same icon built into the program.
QIcon windowIcon();

} // namespace Tessaro
