#pragma once

#include <QString>
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
    unsigned infoColour;       // 0xRRGGBB of the info text
    ValueList list;
    int digitWindow; // characters read after a numeric key
    int minimum;     // spin box range, which is also what an import accepts
    int maximum;
    int defaultValue; // spin box value or list entry
};

inline constexpr int optionCount = 23;
extern const std::array<OptionRow, optionCount> optionCatalogue;

// The function list: the commands, then the folders, then the serial commands.
inline constexpr int commandCount = 6;
inline constexpr int folderCount = 1000;
inline constexpr int serialCommandCount = 999;
inline constexpr int functionCount = commandCount + folderCount + serialCommandCount;
inline constexpr int firstFolderEntry = commandCount;
inline constexpr int firstSerialCommandEntry = firstFolderEntry + folderCount;

inline constexpr std::array<int, 3> baudRates{9600, 19200, 38400};

// Number of entries of a list; spin box rows have none.
int valueListSize(ValueList list);

// The texts of the power, monitoring and baud-rate lists, translated now.
// Baud rates are never translated. The function list is made on demand from
// FunctionTexts instead.
QStringList valueListTexts(ValueList list);

// What the function texts are made of, translated now: the command
// names and the two prefixes, to which the three-digit number is appended.
struct FunctionTexts
{
    std::array<QString, commandCount> commands;
    QString folder;        // "Folder "
    QString serialCommand; // "Serial Command "

    QString text(int entry) const; // "Folder 007"; empty outside the list
};
FunctionTexts functionTexts();

// A row's value as the form shows it, translated now: "Off", "Folder 001",
// "5" for an ID of 5, which the file spells "005".
QString formValueText(const OptionRow &row, int value);

// The text of a row's check box and info label, translated now.
QString optionLabel(const OptionRow &row);
QString optionInfo(const OptionRow &row);

// What the form holds for one row: whether it is ticked, and its spin box
// value or list entry.
struct OptionSetting
{
    bool enabled = false;
    int value = 0;

    friend bool operator==(const OptionSetting &a, const OptionSetting &b)
    {
        return a.enabled == b.enabled && a.value == b.value;
    }
};
using FormSettings = std::array<OptionSetting, optionCount>;

// Every row at its default, all ticked or all unticked.
FormSettings defaultSettings(bool ticked);

// The same rows ticked, every value at its default: Apply Default Settings.
FormSettings withDefaultValues(FormSettings settings);

// The same values, every row ticked or every row unticked.
FormSettings withAllTicked(FormSettings settings, bool ticked);

// The catalogue row of a key spelled as in the file ("#VOLUME:"); -1 for none.
int optionIndex(QStringView key);
// The catalogue row of a key's name, without '#' and ':' ("VOLUME"); -1 for none.
int optionIndexByName(QStringView name);
// A row's key without '#' and ':', as the command line names it: "VOLUME".
QLatin1StringView optionName(const OptionRow &row);

} // namespace Tessaro
