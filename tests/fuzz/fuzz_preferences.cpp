// libFuzzer: any bytes, read as the preferences file a previous run (or
// anything else) left beside the program.

#include "app/applicationidentity.h"
#include "app/preferences.h"
#include "fuzz/require.h"

#include <QByteArray>
#include <QTextStream>

#include <cstdint>

using namespace Tessaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool identified = (Tessaro::setApplicationIdentity(), true);
    Q_UNUSED(identified);
    const QByteArray content =
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Language> language = parsePreferences(content);

    // A language only from a first line with tag and version; written, it reads back.
    if (language) {
        const QString first = QTextStream(content).readLine();
        require(first.contains(preferencesFormatTag) && first.contains(preferencesFormatVersion),
                "a first line with tag and version");
        require(parsePreferences(preferencesText(*language)) == language, "written reads back");
    }
    return 0;
}
