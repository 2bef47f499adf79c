#pragma once

#include "core/safefiles.h"

// What the file functions know of Windows that other Windows code needs.
namespace Tessaro {

// Whether Windows takes a file name for one of its devices (CON, PRN, AUX,
// NUL, COM1 to COM9, LPT1 to LPT9), whatever follows a dot and wherever it
// stands.
bool isDeviceName(const QString &name);

} // namespace Tessaro
