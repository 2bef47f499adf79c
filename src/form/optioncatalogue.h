#pragma once

#include <QStringList>

#include <array>

namespace Tessaro {

// Which values a row offers. Rows without a list are spin boxes.
enum class ValueList { None, Power, Monitoring, Functions, BaudRates };

// One device setting: how the form shows it and how the configuration file
// spells it. The writer, the importer and every whole-form operation walk the
// catalogue below in its order, which is also the order of the file's lines.
struct OptionRow
{
    const char *key;           // "#ID:", colon included
    const char *objectStem;    // "ID" gives horizontalLayout_ID, checkBox_ID, spinBox_ID
    const char *infoLabelName; // spelled as in the form, irregular for some rows
    const char *label;         // check box text, translated in context "MainWindow"
    const char *info;          // info label text, translated in context "MainWindow"
    ValueList list;
    int digitWindow; // characters read after a numeric key
    int minimum;     // spin box range, which is also what an import accepts
    int maximum;
    int defaultValue; // spin box value or list entry
};

inline constexpr int optionCount = 23;
extern const std::array<OptionRow, optionCount> optionCatalogue;

// Rows 1 to 12 draw their info text in a slightly different grey than 13 to 23.
inline constexpr int warmInfoColourRows = 12;

// The function list: six commands, folders 000 to 999, serial commands 001 to 999.
inline constexpr int commandCount = 6;
inline constexpr int folderCount = 1000;
inline constexpr int serialCommandCount = 999;
inline constexpr int functionCount = commandCount + folderCount + serialCommandCount;
inline constexpr int firstFolderEntry = commandCount;
inline constexpr int firstSerialCommandEntry = firstFolderEntry + folderCount;

inline constexpr std::array<int, 3> baudRates{9600, 19200, 38400};

// Number of entries of a list; spin box rows have none.
int valueListSize(ValueList list);

// The texts shown for a list, translated now. Baud rates are never translated.
QStringList valueListTexts(ValueList list);

// The text of a row's check box and info label, translated now.
QString optionLabel(const OptionRow &row);
QString optionInfo(const OptionRow &row);

} // namespace Tessaro
