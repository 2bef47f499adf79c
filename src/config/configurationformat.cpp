#include "configurationformat.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

constexpr QStringView commandNames[commandCount] = {
        u"PLAY", u"STOP", u"NEXT_TRACK", u"PREV_TRACK", u"VOLUME_PLUS", u"VOLUME_MINUS",
};
constexpr QStringView folderPrefix = u"FOLDER";
constexpr QStringView serialCommandPrefix = u"RS";

QString threeDigits(int number)
{
    return u"%1"_s.arg(number, 3, 10, QLatin1Char('0'));
}

// The number written by the first three characters of text when they are all
// ASCII digits, else -1.
int leadingThreeDigits(QStringView text)
{
    if (text.size() < 3)
        return -1;
    int number = 0;
    for (QChar c : text.first(3)) {
        if (c < u'0' || c > u'9')
            return -1;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

// The 1-based position of the function name that begins text, or -1. No name
// begins another, so at most one can match; decoding the name directly gives
// what comparing text against all 2005 names in turn would give.
int functionPosition(QStringView text)
{
    for (int i = 0; i < commandCount; ++i) {
        if (text.startsWith(commandNames[i]))
            return i + 1;
    }
    if (text.startsWith(folderPrefix)) {
        const int folder = leadingThreeDigits(text.mid(folderPrefix.size()));
        if (folder >= 0)
            return firstFolderEntry + folder + 1;
    }
    if (text.startsWith(serialCommandPrefix)) {
        const int command = leadingThreeDigits(text.mid(serialCommandPrefix.size()));
        if (command >= 1)
            return firstSerialCommandEntry + command;
    }
    return -1;
}

// The keys as strings, built once: the importer compares every line with them.
const std::array<QString, optionCount> &keys()
{
    static const std::array<QString, optionCount> strings = [] {
        std::array<QString, optionCount> list;
        for (int i = 0; i < optionCount; ++i)
            list[i] = QString::fromLatin1(optionCatalogue[i].key);
        return list;
    }();
    return strings;
}

} // namespace

QString functionValueName(int index)
{
    if (index < 0 || index >= functionCount)
        return {};
    if (index < firstFolderEntry)
        return commandNames[index].toString();
    if (index < firstSerialCommandEntry)
        return folderPrefix + threeDigits(index - firstFolderEntry);
    return serialCommandPrefix + threeDigits(index - firstSerialCommandEntry + 1);
}

bool parseNumericValue(const QString &line, const QString &key, int digitWindow, int &value)
{
    value = -1;
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(key))
        return false;
    // The window is cut before non-digits go: blanks and signs use up places.
    QString digits = trimmed.mid(key.size(), digitWindow);
    if (digits.isEmpty())
        return true;
    // Without UseUnicodePropertiesOption, \D matches everything but '0' to '9',
    // so other scripts' decimal digits are dropped like any other character.
    // Qt 4's QRegExp kept them, and the device only reads ASCII digits.
    static const QRegularExpression nonDigit(u"\\D"_s);
    digits.remove(nonDigit);
    bool ok = false;
    const uint number = digits.toUInt(&ok, 10);
    if (ok && number <= uint(std::numeric_limits<int>::max()))
        value = int(number);
    return true;
}

bool parseFunctionValue(const QString &line, const QString &key, int &value)
{
    value = -1;
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(key))
        return false;
    value = functionPosition(QStringView(trimmed).mid(key.size()));
    return true;
}

QString valueText(const OptionRow &row, int value)
{
    switch (row.list) {
    case ValueList::None:
        return u"%1"_s.arg(value, row.digitWindow, 10, QLatin1Char('0'));
    case ValueList::Power:
    case ValueList::Monitoring:
        // Entry 0 and anything unexpected both write "0".
        return value > 0 && value < valueListSize(row.list) ? QString::number(value) : u"0"_s;
    case ValueList::Functions:
        return functionValueName(value);
    case ValueList::BaudRates:
        return value >= 0 && value < valueListSize(row.list) ? QString::number(baudRates[value])
                                                             : QString();
    }
    return {};
}

std::optional<int> acceptedValue(const OptionRow &row, int valueRead)
{
    int widgetValue = valueRead;
    if (row.list == ValueList::Functions) {
        widgetValue = valueRead - 1;
    } else if (row.list == ValueList::BaudRates) {
        const auto rate = std::find(baudRates.begin(), baudRates.end(), valueRead);
        widgetValue = rate == baudRates.end() ? -1 : int(rate - baudRates.begin());
    }
    if (widgetValue < row.minimum || widgetValue > row.maximum)
        return std::nullopt;
    return widgetValue;
}

QByteArray configurationText(const FormSettings &settings)
{
    QByteArray text;
    for (int i = 0; i < optionCount; ++i) {
        if (!settings[i].enabled)
            continue;
        const OptionRow &row = optionCatalogue[i];
        text += row.key;
        text += valueText(row, settings[i].value).toLatin1();
        text += "\r\n";
    }
    return text;
}

QList<RecognisedLine> readConfiguration(const QByteArray &content)
{
    // Read without text-mode translation: QIODevice::Text drops every CR byte,
    // which would tear apart a UTF-16 file. readLine() already takes "\r\n" as
    // one line end, and trimming removes any CR that is left.
    QTextStream stream(content);
    QList<RecognisedLine> lines;
    QString line;
    int lineNumber = 0;
    while (stream.readLineInto(&line)) {
        ++lineNumber;
        for (int i = 0; i < optionCount; ++i) {
            const OptionRow &row = optionCatalogue[i];
            int value = -1;
            const bool recognised = row.list == ValueList::Functions
                    ? parseFunctionValue(line, keys()[i], value)
                    : parseNumericValue(line, keys()[i], row.digitWindow, value);
            if (!recognised)
                continue;
            const std::optional<int> accepted = acceptedValue(row, value);
            lines.append({i, lineNumber, accepted.has_value(), accepted.value_or(-1)});
            break; // no key begins another, so no other key can match
        }
    }
    return lines;
}

std::array<ImportedRow, optionCount> importedRows(const QList<RecognisedLine> &lines)
{
    std::array<ImportedRow, optionCount> rows;
    for (const RecognisedLine &line : lines) {
        rows[line.row].named = true;
        if (line.accepted)
            rows[line.row].value = line.value;
    }
    return rows;
}

QString reportEntryText(const QString &keyText, bool accepted, int lineNumber)
{
    const QString padded = keyText.leftJustified(30, u'-') + u"> "_s;
    if (accepted)
        return padded + QCoreApplication::translate("MainWindow", "OK");
    return padded + QCoreApplication::translate("MainWindow", "ERROR") + u' '
            + QCoreApplication::translate("MainWindow", "Line") + u'(' + QString::number(lineNumber)
            + u')';
}

void appendReportEntry(const QString &keyText, bool accepted, int lineNumber, QString &report)
{
    report += u"<br>"_s + reportEntryText(keyText, accepted, lineNumber) + u"</br>"_s;
}

QString importConclusion()
{
    return QCoreApplication::translate("MainWindow", "Import configuration file done!");
}

QString importReport(const QList<RecognisedLine> &lines)
{
    QString report;
    for (const RecognisedLine &line : lines)
        appendReportEntry(keys()[line.row], line.accepted, line.lineNumber, report);
    report += u"<br></br><br><b>"_s + importConclusion() + u"</b></br>"_s;
    return report;
}

QString keyText(int row)
{
    return keys()[row];
}

} // namespace Tessaro
