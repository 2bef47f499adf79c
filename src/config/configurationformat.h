#pragma once

#include "optioncatalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace Tessaro {

// What the form holds for one row: whether it is ticked, and its spin box
// value or list entry.
struct OptionSetting
{
    bool enabled = false;
    int value = 0;
};
using FormSettings = std::array<OptionSetting, optionCount>;

// The name the file uses for a function list entry (PLAY, FOLDER000, RS999);
// empty outside the list.
QString functionValueName(int index);

// Both parsers recognise a line by its key at the start of the trimmed line and
// return whether they did. value is -1 unless a value was read.
// parseNumericValue reads at most digitWindow characters after the key and
// keeps their digits; parseFunctionValue gives the 1-based position of the
// function name that begins the text after the key.
bool parseNumericValue(const QString &line, const QString &key, int digitWindow, int &value);
bool parseFunctionValue(const QString &line, const QString &key, int &value);

// The value text written for a row's widget value.
QString valueText(const OptionRow &row, int value);

// The widget value that a value read from the file stands for, if the row
// accepts it.
std::optional<int> acceptedValue(const OptionRow &row, int valueRead);

// The whole file for a form: one line per ticked row, in catalogue order,
// each ended by CR LF as the device expects on every platform.
QByteArray configurationText(const FormSettings &settings);

// One line of a file that carried a known key.
struct RecognisedLine
{
    int row = 0;        // index into optionCatalogue
    int lineNumber = 0; // 1 for the file's first line
    bool accepted = false;
    int value = -1; // widget value when accepted
};

// Every recognised line of a file's content, in file order.
QList<RecognisedLine> readConfiguration(const QByteArray &content);

// What an import leaves in each row: whether a line named it, and the last
// value accepted for it, if any.
struct ImportedRow
{
    bool named = false;
    std::optional<int> value;
};
std::array<ImportedRow, optionCount> importedRows(const QList<RecognisedLine> &lines);

// What the report says of one recognised line: the key padded with '-' to 30
// characters, then "OK", or "ERROR" and the line number.
QString reportEntryText(const QString &keyText, bool accepted, int lineNumber);

// Appends one entry to a rich-text report, on a line of its own.
void appendReportEntry(const QString &keyText, bool accepted, int lineNumber, QString &report);

// The sentence that closes every import report.
QString importConclusion();

// The import report as rich text: one entry per recognised line, then the
// conclusion in bold.
QString importReport(const QList<RecognisedLine> &lines);

// The key of a catalogue row, as the report names it.
QString keyText(int row);

} // namespace Tessaro
