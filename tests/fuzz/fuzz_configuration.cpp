// libFuzzer: any bytes, read as a configuration file the user picked. What
// an import would put into the form and report must always make sense.

#include "configurationformat.h"
#include "require.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

#include <cstdint>

using namespace Qt::StringLiterals;
using namespace Tessaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray content =
            QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<RecognisedLine> lines = readConfiguration(content);

    int previousLine = 0;
    for (const RecognisedLine &line : lines) {
        require(line.row >= 0 && line.row < optionCount, "a known row");
        require(line.lineNumber > previousLine, "line numbers increase");
        previousLine = line.lineNumber;
        const OptionRow &row = optionCatalogue[line.row];
        if (line.accepted)
            require(line.value >= row.minimum && line.value <= row.maximum, "value in range");
        else
            require(line.value == -1, "no value when refused");
    }

    // Every value the form would take lies within its widget's range.
    const auto rows = importedRows(lines);
    for (int i = 0; i < optionCount; ++i) {
        if (rows[i].value)
            require(*rows[i].value >= optionCatalogue[i].minimum
                            && *rows[i].value <= optionCatalogue[i].maximum,
                    "applied value in range");
        bool named = false;
        for (const RecognisedLine &line : lines)
            named = named || line.row == i;
        require(rows[i].named == named, "a row is ticked when a line names it");
    }

    // One entry per recognised line, made of a known key and known words only,
    // then the conclusion.
    static const QRegularExpression entry(
            u"^<br>(#[A-Z0-9_]+:)-*> (OK|ERROR Line\\(([0-9]+)\\))$"_s);
    const QString report = importReport(lines);
    const QString conclusion = u"<br><b>Import configuration file done!</b>"_s;
    QStringList pieces = report.split(u"</br>"_s);
    require(pieces.size() == lines.size() + 3, "one entry per recognised line");
    require(pieces.takeLast().isEmpty() && pieces.takeLast() == conclusion
                    && pieces.takeLast() == u"<br>"_s,
            "the report ends with its conclusion");
    for (int i = 0; i < pieces.size(); ++i) {
        const QRegularExpressionMatch match = entry.match(pieces[i]);
        require(match.hasMatch(), "an entry reads as one");
        require(match.captured(1) == keyText(lines[i].row), "the entry names the line's key");
        require(pieces[i].indexOf(u"> "_s) == 4 + 30, "the key is padded to 30 characters");
        require(lines[i].accepted == match.captured(3).isEmpty(), "OK exactly when accepted");
        if (!lines[i].accepted)
            require(match.captured(3).toInt() == lines[i].lineNumber, "the entry's line number");
    }
    return 0;
}
