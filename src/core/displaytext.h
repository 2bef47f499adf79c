#pragma once

#include <QString>
#include <QStringView>

namespace Tessaro {

// Text from a file, a file name or a mount point as a terminal, a log or a
// menu may show it, each character that acts rather than shows written out:
// a control character, which could move the cursor or retitle the window,
// as \xNN; a format character, which could reorder what follows it (U+202E)
// or hide (U+200B), as \uXXXX, or \UXXXXXXXX beyond U+FFFF.
QString printable(QStringView text);

} // namespace Tessaro
