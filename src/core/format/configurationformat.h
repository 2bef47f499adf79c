#pragma once

#include "core/catalogue/optioncatalogue.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace Tessaro {

// The name the file uses for a function list entry (PLAY, FOLDER000, RS999);
// empty outside the list.
QString functionValueName(int index);

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

// What a person should know of a file beyond its accepted lines, one entry
// per matter, in line order.
struct Finding
{
    enum Kind {
        NotRecognised,   // a line that is not blank and carries no known key
        Refused,         // a known key whose value the row does not accept
        ReadInPart,      // accepted, though the unit reads only part of it
        GivenAgain,      // a row that had taken a value takes this line's instead
        CarriageReturns, // lines ended by CR alone, which the unit reads as one
        OutOfFormRange,  // a value the file may hold but the form cannot show
    };
    Kind kind = NotRecognised;
    int lineNumber = 0;
    int row = -1;        // the catalogue row concerned; -1 for none
    QString text;        // the line, without the blanks around it
    int value = -1;      // ReadInPart, OutOfFormRange: the value read
    int earlierLine = 0; // GivenAgain: the line whose value it replaces
};

// Whether a finding concerns the file itself, as the unit reads it, rather
// than only what the form can show of it.
bool concernsTheFile(const Finding &finding);

// What reading a file found, in file order: the lines with a known key, and
// the findings.
struct FileReading
{
    QList<RecognisedLine> recognised;
    QList<Finding> findings;
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
// value accepted for it (brought within what the form shows) or else its
// default; the other rows unticked at their defaults.
FormSettings importedSettings(const ImportedRows &rows);

// A value as the file writes it: "005" for ID 5, "FOLDER001", "38400".
QString fileValueText(const OptionRow &row, int value);

// How the text of a value is read: as a line of a file gives it, through
// the row's digit window with what is not a digit dropped, a function name
// followed by anything; or whole, as typed by hand, where the text is exactly
// a number the row offers or the name of one of its entries, nothing cut.
enum class ValueText { Line, Whole };

// The widget value the text after a row's key stands for, when the file may
// hold it (0 to the row's maximum); nothing otherwise.
std::optional<int> parseValue(const OptionRow &row, QStringView text, ValueText how);

// What a row accepts, in the file's spelling: "0 to 64", "0 or 1",
// "9600, 19200 or 38400", the function names. A file may hold from 0; the
// form, and so a value typed by hand, from the row's minimum.
QString acceptedValues(const OptionRow &row, ValueText how);

// A whole number in ASCII digits alone, at most nine of them after its
// leading zeros; -1 otherwise.
int wholeNumber(QStringView text);

// Ticks and sets a row from "KEY=VALUE" in the file's own spelling
// ("VOLUME=20", "INPUT01=FOLDER001"), the value read whole and within what
// the form shows. The row, or -1 for an unknown key; accepted is whether the
// row took the value. A refused value leaves the form as it was.
struct Setting
{
    int row = -1;
    bool accepted = false;
};
Setting applySetting(FormSettings &form, QStringView setting);

} // namespace Tessaro
