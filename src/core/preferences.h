#pragma once

#include "core/language.h"

#include <QByteArray>
#include <QLatin1StringView>
#include <QString>

#include <optional>

namespace Tessaro {

inline constexpr QLatin1StringView preferencesSuffix{".cfg"};
inline constexpr QLatin1StringView preferencesFormatVersion{"1.00"};
inline constexpr QLatin1StringView preferencesFormatTag{"MSC1"};
inline constexpr QLatin1StringView preferencesTitle{"Configuration File"};

// The preferences file is the application name + ".cfg", beside the
// executable. An installed program's folder is every user's, so there the
// file is the user's own, in userConfigurationFolder().

// Where the choice is read from: where it is written, or, for an installed
// program whose user has no file yet, a file left beside the program.
QString preferencesReadPath();

// Where the choice is written to: beside a program that keeps its files
// beside itself, else the user's configuration folder.
QString preferencesWritePath();

// The seven lines of the preferences file, each ended by "\n".
QByteArray preferencesText(Language language);

// The language a preferences file names. Nothing when its first line lacks the
// format tag or version; Default when line 7 names no known language.
std::optional<Language> parsePreferences(const QByteArray &content);

// Reads the file at path; nothing when it is missing or cannot be read.
std::optional<Language> readPreferences(const QString &path);

// Writes the file at path, creating its folder if needed; a failure is
// silent, as the program has no place to report it.
void writePreferences(const QString &path, Language language);

} // namespace Tessaro
