#pragma once

#include "form/optioncatalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace Tessaro {

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
    QString text;   // the line, without the blanks around it
};

// The key a line of text begins with, and whether its value is accepted;
// nothing when the line carries no known key.
std::optional<RecognisedLine> recogniseLine(QStringView line, int lineNumber = 1);

// A line that carried no known key, without the blanks around it.
struct UnrecognisedLine
{
    int lineNumber = 0;
    QString text;
};

// What reading a file found, in file order: the lines with a known key, and
// the other lines that are not blank.
struct FileReading
{
    QList<RecognisedLine> recognised;
    QList<UnrecognisedLine> unrecognised;
};
FileReading readConfiguration(const QByteArray &content);

// What an import found for each row: whether a line named it, the line
// whose value it takes (the last accepted), and the lines it refused.
struct ImportedRow
{
    bool named = false;
    std::optional<RecognisedLine> taken;
    QList<RecognisedLine> refused;
};
using ImportedRows = std::array<ImportedRow, optionCount>;
ImportedRows importedRows(const QList<RecognisedLine> &lines);

// The form after an import: the rows a line named ticked, each at the last
// value accepted for it or else its default; the other rows unticked at
// their defaults.
FormSettings importedSettings(const ImportedRows &rows);

// A value as the file writes it: "005" for ID 5, "FOLDER001", "38400".
QString fileValueText(const OptionRow &row, int value);

// Whether an accepted line held more than the device read of it, as
// "#VOLUME:100" read as 10: its value typed by hand would not be the same.
bool readInPart(const RecognisedLine &line);

// What a row accepts, in the file's spelling: "0 to 64", "0 or 1",
// "9600, 19200 or 38400", the function names.
QString acceptedValues(const OptionRow &row);

// The widget value that a value typed by hand stands for: the whole text is
// a number the row offers, or the exact name of one of its entries. Nothing
// for anything else; unlike a file's line, nothing is cut or dropped.
std::optional<int> typedValue(const OptionRow &row, QStringView text);

// A whole number in ASCII digits alone, at most nine of them after its
// leading zeros; -1 otherwise.
int wholeNumber(QStringView text);

// Ticks and sets a row from "KEY=VALUE" in the file's own spelling
// ("VOLUME=20", "INPUT01=FOLDER001"), the value as typedValue takes it. The
// row, or -1 for an unknown key; accepted is whether the row took the value.
// A refused value leaves the form as it was.
struct Setting
{
    int row = -1;
    bool accepted = false;
};
Setting applySetting(FormSettings &form, QStringView setting);

} // namespace Tessaro
