#pragma once

#include "core/safefiles.h"

#include <windows.h>

// Files of a folder held open by a handle, for code that works relative to
// such a folder (a memory card's), and what the file functions know of
// Windows that other Windows code needs.
namespace Tessaro {

// Whether Windows takes a file name for one of its devices (CON, PRN, AUX,
// NUL, COM1 to COM9, LPT1 to LPT9), whatever follows a dot or trailing
// blanks, and wherever it stands.
bool isDeviceName(const QString &name);

// writeFile() for a file of a folder already open: every step works
// relative to that folder, whatever its path names meanwhile.
FileStatus writeFileIn(HANDLE folder, const QString &name, const QByteArray &content,
                       Existing existing);

// Reads a regular file of a folder already open, never through a link, at
// most maximumSize bytes.
FileStatus readFileIn(HANDLE folder, const QString &name, qint64 maximumSize, Cache cache,
                      QByteArray &content);

// Removes what runs of ours that were stopped midway left in a folder
// already open: regular files with the names only our temporary files have.
void removeLeftovers(HANDLE folder);

} // namespace Tessaro
