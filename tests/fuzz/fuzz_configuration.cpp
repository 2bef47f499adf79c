// libFuzzer: any bytes, read as a configuration file the user picked, used
// as a form to write one, and read as the preferences file a previous run
// (or anything else) left beside the program. What an import would put into
// the form and report must always make sense, and what is written, of either
// kind, must read back.

#include "core/applicationidentity.h"
#include "core/preferences.h"
#include "core/format/configurationformat.h"
#include "core/format/importreport.h"
#include "fuzz/require.h"

#include <QTextStream>

#include <cstdint>

using namespace Tessaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray content =
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const FileReading reading = readConfiguration(content);
    const QList<RecognisedLine> &lines = reading.recognised;

    int previousLine = 0;
    for (const RecognisedLine &line : lines) {
        require(line.row >= 0 && line.row < optionCount, "a known row");
        require(line.lineNumber > previousLine, "line numbers increase");
        require(line.text.startsWith(QLatin1StringView(optionCatalogue[line.row].key)),
                "the line begins with its key");
        previousLine = line.lineNumber;
        const OptionRow &row = optionCatalogue[line.row];
        // A file may hold from 0; the form shows from the row's minimum.
        require(line.accepted ? line.value >= 0 && line.value <= row.maximum : line.value == -1,
                "a value in range when accepted, none when refused");
    }
    // One entry per recognised line, OK exactly when accepted.
    const QStringList entries = reportEntries(lines);
    require(entries.size() == lines.size(), "one entry per recognised line");
    for (int i = 0; i < entries.size(); ++i)
        require(entries[i].endsWith(u"> OK") == lines[i].accepted, "OK exactly when accepted");

    // The bytes as a form: two per row, tick and value. Written, then read
    // back, it comes back the same, the unticked rows at their defaults.
    FormSettings form = defaultSettings(false);
    for (int i = 0; i < optionCount && 2 * i + 1 < int(size); ++i) {
        const OptionRow &row = optionCatalogue[i];
        form[i].enabled = data[2 * i] & 1;
        if (form[i].enabled) {
            const int spread = (data[2 * i] >> 1) << 8 | data[2 * i + 1];
            form[i].value = row.minimum + spread % (row.maximum - row.minimum + 1);
        }
    }
    const FileReading written = readConfiguration(configurationText(form));
    require(importedSettings(importedRows(written.recognised)) == form
                    && written.findings.isEmpty(),
            "what is written reads back");
    int previousFinding = 0;
    for (const Finding &finding : reading.findings) {
        require(finding.lineNumber >= previousFinding, "findings in line order");
        require(finding.text == finding.text.trimmed(), "a line without blanks around it");
        require(finding.kind != Finding::NotRecognised || !finding.text.isEmpty(),
                "a line not recognised is not blank");
        previousFinding = finding.lineNumber;
    }

    // As preferences: a language only from a first line with tag and
    // version; written, it reads back.
    static const bool identified = (setApplicationIdentity(), true);
    Q_UNUSED(identified);
    if (const std::optional<Language> language = parsePreferences(content)) {
        const QString first = QTextStream(content).readLine();
        require(first.contains(preferencesFormatTag) && first.contains(preferencesFormatVersion),
                "a first line with tag and version");
        require(parsePreferences(preferencesText(*language)) == language, "written reads back");
    }
    return 0;
}
