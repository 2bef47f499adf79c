#include "core/catalogue/optioncatalogue.h"

#include <QCoreApplication>

namespace Tessaro {

namespace {

constexpr const char *context = "MainWindow";
constexpr int lastFunction = functionCount - 1;
constexpr int lastBaudRate = int(baudRates.size()) - 1;
// The info texts of the first twelve rows are a slightly warmer grey.
constexpr unsigned warmGrey = 0xaca399;
constexpr unsigned grey = 0xaca899;

const char *const powerTexts[] = {
        QT_TRANSLATE_NOOP("MainWindow", "Off"),
        QT_TRANSLATE_NOOP("MainWindow", "On"),
};

const char *const monitoringTexts[] = {
        QT_TRANSLATE_NOOP("MainWindow", "No Monitoring Mode"),
        QT_TRANSLATE_NOOP("MainWindow", "Daisy Chain Mode"),
        QT_TRANSLATE_NOOP("MainWindow", "Monitoring Mode"),
        QT_TRANSLATE_NOOP("MainWindow", "Advanced Monitoring Mode"),
};

const char *const commandTexts[commandCount] = {
        QT_TRANSLATE_NOOP("MainWindow", "Play"),
        QT_TRANSLATE_NOOP("MainWindow", "Stop"),
        QT_TRANSLATE_NOOP("MainWindow", "Next_Track"),
        QT_TRANSLATE_NOOP("MainWindow", "Previous Track"),
        QT_TRANSLATE_NOOP("MainWindow", "Volume +"),
        QT_TRANSLATE_NOOP("MainWindow", "Volume -"),
};

QString translated(const char *text)
{
    return QCoreApplication::translate(context, text);
}

template<std::size_t count> QStringList translated(const char *const (&texts)[count])
{
    QStringList list;
    list.reserve(count);
    for (const char *text : texts)
        list.append(translated(text));
    return list;
}

// The prefix followed by the number in three digits: "Folder 007".
QString numbered(const QString &prefix, int number)
{
    QString text;
    text.reserve(prefix.size() + 3);
    text += prefix;
    text += QChar(u'0' + number / 100);
    text += QChar(u'0' + number / 10 % 10);
    text += QChar(u'0' + number % 10);
    return text;
}

// A row of the function list, any of whose entries it takes: no digits are
// read after its key.
constexpr OptionRow functionRow(const char *key, const char *objectStem, const char *infoLabelName,
                                const char *label, const char *info, unsigned infoColour,
                                int defaultValue)
{
    return {key, objectStem, infoLabelName, label, info, infoColour, ValueList::Functions, 0, 0,
            lastFunction, defaultValue};
}

} // namespace

// One row per setting, in the order of the form and of the file:
//   key, object name stem, info label name,
//   label, info text, info text colour,
//   value list, digit window, minimum, maximum, default
// (a function row gives only the first six columns and its default).
// clang-format off
const std::array<OptionRow, optionCount> optionCatalogue{{
    {"#ID:", "ID", "label_ID_Infos",
     QT_TRANSLATE_NOOP("MainWindow", "ID:"),
     QT_TRANSLATE_NOOP("MainWindow", "Player ID (#ID)"),
     warmGrey, ValueList::None, 3, 1, 127, 1},
    {"#VOLUME:", "Volume", "label_Volume_Infos",
     QT_TRANSLATE_NOOP("MainWindow", "Volume:"),
     QT_TRANSLATE_NOOP("MainWindow", "Player digital volume (#VOLUME)"),
     warmGrey, ValueList::None, 2, 0, 64, 32},
    {"#POWER:", "Power", "label_Power_Infos",
     QT_TRANSLATE_NOOP("MainWindow", "Power:"),
     QT_TRANSLATE_NOOP("MainWindow", "Energy Saving Mode (#POWER)"),
     warmGrey, ValueList::Power, 1, 0, 1, 0},
    {"#RS_MONITORING:", "Monitor", "label_Monitor_Infos",
     QT_TRANSLATE_NOOP("MainWindow", "Monitoring:"),
     QT_TRANSLATE_NOOP("MainWindow", "Serial monitoring mode (#RS_MONITORING)"),
     warmGrey, ValueList::Monitoring, 1, 0, 3, 0},
    {"#BOOT:", "Boot", "label_Boot_Infos",
     QT_TRANSLATE_NOOP("MainWindow", "Boot:"),
     QT_TRANSLATE_NOOP("MainWindow", "Default boot folder (#BOOT)"),
     warmGrey, ValueList::None, 3, 0, 999, 0},
    functionRow("#INPUT01:", "Input01", "label_Input01_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 01:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 1 function (#INPUT01)"),
                warmGrey, 7),
    functionRow("#INPUT02:", "Input02", "label_Input02_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 02:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 2 function (#INPUT02)"),
                warmGrey, 8),
    functionRow("#INPUT03:", "Input03", "label_Input03_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 03:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 3 function (#INPUT03)"),
                warmGrey, 9),
    functionRow("#INPUT04:", "Input04", "label_Input03_Infos_2",
                QT_TRANSLATE_NOOP("MainWindow", "Input 04:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 4 function (#INPUT04)"),
                warmGrey, 10),
    functionRow("#INPUT05:", "Input05", "label_Input05_infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 05:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 5 function (#INPUT05)"),
                warmGrey, 11),
    functionRow("#INPUT06:", "Input06", "label_Input06_infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 06:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 6 function (#INPUT06)"),
                warmGrey, 12),
    functionRow("#INPUT07:", "Input07", "label_Input07_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 07:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 7 function (#INPUT07)"),
                warmGrey, 13),
    functionRow("#INPUT08:", "Input08", "label_Input08_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 08:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 8 function (#INPUT08)"),
                grey, 14),
    functionRow("#INPUT09:", "Input09", "label_Input09_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 09:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 9 function (#INPUT09)"),
                grey, 15),
    functionRow("#INPUT10:", "Input10", "label_Input10_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 10:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 10 function (#INPUT10)"),
                grey, 16),
    functionRow("#INPUT11:", "Input11", "label_Input11_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 11:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 11 function (#INPUT11)"),
                grey, 17),
    functionRow("#INPUT12:", "Input12", "label_Input12_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 12:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 12 function (#INPUT12)"),
                grey, 18),
    functionRow("#INPUT13:", "Input13", "label_Input13_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 13:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 13 function (#INPUT13)"),
                grey, 19),
    functionRow("#INPUT14:", "Input14", "label_Input14_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 14:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 14 function (#INPUT14)"),
                grey, 20),
    functionRow("#INPUT15:", "Input15", "label_Input15_infos",
                QT_TRANSLATE_NOOP("MainWindow", "Input 15:"),
                QT_TRANSLATE_NOOP("MainWindow", "Input 15 function (#INPUT15)"),
                grey, 21),
    functionRow("#BUTTON1:", "Button1", "label_Button1_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Button 1:"),
                QT_TRANSLATE_NOOP("MainWindow", "Button 1 function (#BUTTON1)"),
                grey, 5),
    functionRow("#BUTTON2:", "Button2", "label_Button2_Infos",
                QT_TRANSLATE_NOOP("MainWindow", "Button 2:"),
                QT_TRANSLATE_NOOP("MainWindow", "Button 2 function (#BUTTON2)"),
                grey, 4),
    {"#BAUDRATE:", "Baudrate", "label_Baudrate_Infos",
     QT_TRANSLATE_NOOP("MainWindow", "Baudrate:"),
     QT_TRANSLATE_NOOP("MainWindow", "Serial port Baudrate (#BAUDRATE)"),
     grey, ValueList::BaudRates, 5, 0, lastBaudRate, 1},
}};
// clang-format on

int valueListSize(ValueList list)
{
    switch (list) {
    case ValueList::None:
        return 0;
    case ValueList::Power:
        return int(std::size(powerTexts));
    case ValueList::Monitoring:
        return int(std::size(monitoringTexts));
    case ValueList::Functions:
        return functionCount;
    case ValueList::BaudRates:
        return int(baudRates.size());
    }
    return 0;
}

QStringList valueListTexts(ValueList list)
{
    switch (list) {
    case ValueList::None:
    case ValueList::Functions:
        return {};
    case ValueList::Power:
        return translated(powerTexts);
    case ValueList::Monitoring:
        return translated(monitoringTexts);
    case ValueList::BaudRates: {
        QStringList texts;
        for (int rate : baudRates)
            texts.append(QString::number(rate));
        return texts;
    }
    }
    return {};
}

QString FunctionTexts::text(int entry) const
{
    if (entry < 0 || entry >= functionCount)
        return {};
    if (entry < firstFolderEntry)
        return commands[entry];
    if (entry < firstSerialCommandEntry)
        return numbered(folder, entry - firstFolderEntry);
    return numbered(serialCommand, entry - firstSerialCommandEntry + 1);
}

FunctionTexts functionTexts()
{
    FunctionTexts texts;
    for (int i = 0; i < commandCount; ++i)
        texts.commands[i] = translated(commandTexts[i]);
    // Only the prefixes are translated; the three digits are appended as they are.
    texts.folder = QCoreApplication::translate("MainWindow", "Folder ");
    texts.serialCommand = QCoreApplication::translate("MainWindow", "Serial Command ");
    return texts;
}

QString formValueText(const OptionRow &row, int value)
{
    switch (row.list) {
    case ValueList::None:
        return QString::number(value);
    case ValueList::Functions:
        return functionTexts().text(value);
    case ValueList::Power:
    case ValueList::Monitoring:
    case ValueList::BaudRates:
        return valueListTexts(row.list).value(value);
    }
    return {};
}

QString optionLabel(const OptionRow &row)
{
    return translated(row.label);
}

QString optionInfo(const OptionRow &row)
{
    return translated(row.info);
}

FormSettings defaultSettings(bool ticked)
{
    FormSettings settings;
    for (int i = 0; i < optionCount; ++i)
        settings[i] = {ticked, optionCatalogue[i].defaultValue};
    return settings;
}

FormSettings withDefaultValues(FormSettings settings)
{
    for (int i = 0; i < optionCount; ++i)
        settings[i].value = optionCatalogue[i].defaultValue;
    return settings;
}

FormSettings withAllTicked(FormSettings settings, bool ticked)
{
    for (OptionSetting &row : settings)
        row.enabled = ticked;
    return settings;
}

int optionIndex(QStringView key)
{
    for (int i = 0; i < optionCount; ++i) {
        if (key == QLatin1StringView(optionCatalogue[i].key))
            return i;
    }
    return -1;
}

QLatin1StringView optionName(const OptionRow &row)
{
    return QLatin1StringView(row.key).sliced(1).chopped(1);
}

int optionIndexByName(QStringView name)
{
    for (int i = 0; i < optionCount; ++i) {
        if (name == optionName(optionCatalogue[i]))
            return i;
    }
    return -1;
}

} // namespace Tessaro
