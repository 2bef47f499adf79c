#pragma once

#include "core/safefiles.h"

#include <QByteArray>
#include <QString>

namespace Tessaro {

// The configuration file last chosen in the save or the open dialog, where
// both dialogs start. Empty at start, never stored.
extern QString lastConfigurationPath;

// A configuration file holds a short line per row; anything bigger than this
// is not one, and reading it could exhaust memory.
inline constexpr qint64 maximumConfigurationFileSize = 1024 * 1024;

// Reads a configuration file whole: only a regular file of at most
// maximumConfigurationFileSize bytes, and nothing can block.
FileStatus loadConfigurationFile(const QString &path, QByteArray &content);

// Why a configuration file could not be read or written, in the current
// language: the system's reason, or one of the program's own.
QString fileProblemText(const FileStatus &status);

} // namespace Tessaro
