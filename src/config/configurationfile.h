#pragma once

#include "app/safefiles.h"

#include <QByteArray>
#include <QString>

namespace Tessaro {

// The configuration file last chosen in the save or the open dialog, where
// both dialogs start. Empty at start, never stored.
extern QString lastConfigurationPath;

// A configuration file holds at most 23 short lines; anything bigger than this
// is not one, and reading it could exhaust memory.
inline constexpr qint64 maximumConfigurationFileSize = 1024 * 1024;

// Replaces the file at path with content, or leaves it as it was.
bool saveConfigurationFile(const QString &path, const QByteArray &content);

// Reads a configuration file whole: only a regular file of at most
// maximumConfigurationFileSize bytes, and nothing can block.
ReadResult loadConfigurationFile(const QString &path, QByteArray &content);

} // namespace Tessaro
