#include "config/configurationformat.h"

#include <QStringDecoder>
#include <QStringTokenizer>

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

// number in decimal, filled on the left with '0' to at least width digits.
QString zeroPadded(int number, int width)
{
    return QString::number(number).rightJustified(width, u'0');
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

// The number in the first digitWindow characters of text, their non-digits
// dropped, or -1 when none is left. The window is cut before non-digits go:
// blanks and signs use up places. Only '0' to '9' count, as the device reads
// no other digits (Qt 4's QRegExp "\D" kept other scripts' digits).
int windowedNumber(QStringView text, int digitWindow)
{
    qint64 number = -1;
    for (QChar c : text.first(std::clamp<qsizetype>(digitWindow, 0, text.size()))) {
        if (c >= u'0' && c <= u'9')
            number = std::max<qint64>(number, 0) * 10 + (c.unicode() - u'0');
        if (number > std::numeric_limits<int>::max())
            return -1;
    }
    return int(number);
}

// The widget value that the text after a row's key stands for, if the row
// accepts it.
std::optional<int> acceptedValue(const OptionRow &row, QStringView afterKey)
{
    int widgetValue = -1;
    switch (row.list) {
    case ValueList::None:
    case ValueList::Power:
    case ValueList::Monitoring:
        widgetValue = windowedNumber(afterKey, row.digitWindow);
        break;
    case ValueList::Functions:
        if (const int position = functionPosition(afterKey); position > 0)
            widgetValue = position - 1;
        break;
    case ValueList::BaudRates: {
        const int rate = windowedNumber(afterKey, row.digitWindow);
        const auto found = std::find(baudRates.begin(), baudRates.end(), rate);
        if (found != baudRates.end())
            widgetValue = int(found - baudRates.begin());
        break;
    }
    }
    if (widgetValue < row.minimum || widgetValue > row.maximum)
        return std::nullopt;
    return widgetValue;
}

} // namespace

QString fileValueText(const OptionRow &row, int value)
{
    switch (row.list) {
    case ValueList::None:
        return zeroPadded(value, row.digitWindow);
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

QString functionValueName(int index)
{
    if (index < 0 || index >= functionCount)
        return {};
    if (index < firstFolderEntry)
        return commandNames[index].toString();
    if (index < firstSerialCommandEntry)
        return folderPrefix + zeroPadded(index - firstFolderEntry, 3);
    return serialCommandPrefix + zeroPadded(index - firstSerialCommandEntry + 1, 3);
}

bool parseNumericValue(const QString &line, const QString &key, int digitWindow, int &value)
{
    value = -1;
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(key))
        return false;
    value = windowedNumber(QStringView(trimmed).mid(key.size()), digitWindow);
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

QByteArray configurationText(const FormSettings &settings)
{
    QByteArray text;
    text.reserve(optionCount * 24);
    for (int i = 0; i < optionCount; ++i) {
        if (!settings[i].enabled)
            continue;
        const OptionRow &row = optionCatalogue[i];
        text += row.key;
        text += fileValueText(row, settings[i].value).toLatin1();
        text += "\r\n";
    }
    return text;
}

std::optional<RecognisedLine> recogniseLine(QStringView line, int lineNumber)
{
    // Every key ends at its only colon, and no key begins another: the key a
    // line begins with, if any, is the line up to its first colon.
    constexpr qsizetype longestKey = 15; // "#RS_MONITORING:"
    const QStringView trimmed = line.trimmed();
    const qsizetype colon = trimmed.first(std::min(trimmed.size(), longestKey)).indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const QStringView key = trimmed.first(colon + 1);
    for (int i = 0; i < optionCount; ++i) {
        if (key != QLatin1StringView(optionCatalogue[i].key))
            continue;
        const std::optional<int> accepted =
                acceptedValue(optionCatalogue[i], trimmed.mid(key.size()));
        return RecognisedLine{i, lineNumber, accepted.has_value(), accepted.value_or(-1),
                              trimmed.toString()};
    }
    return std::nullopt;
}

FileReading readConfiguration(const QByteArray &content)
{
    // A byte-order mark names the encoding, else UTF-8; the mark itself is
    // dropped. Lines end in LF or CR LF, and trimming removes the CR.
    const QStringConverter::Encoding encoding =
            QStringConverter::encodingForData(content).value_or(QStringConverter::Utf8);
    const QString text = QStringDecoder(encoding).decode(content);
    FileReading reading;
    int lineNumber = 0;
    for (QStringView line : QStringTokenizer(text, u'\n')) {
        ++lineNumber;
        if (std::optional<RecognisedLine> recognised = recogniseLine(line, lineNumber))
            reading.recognised.append(std::move(*recognised));
        else if (const QStringView trimmed = line.trimmed(); !trimmed.isEmpty())
            reading.unrecognised.append({lineNumber, trimmed.toString()});
    }
    return reading;
}

ImportedRows importedRows(const QList<RecognisedLine> &lines)
{
    ImportedRows rows;
    for (const RecognisedLine &line : lines) {
        ImportedRow &row = rows[line.row];
        row.named = true;
        if (line.accepted)
            row.taken = line;
        else
            row.refused.append(line);
    }
    return rows;
}

FormSettings importedSettings(const ImportedRows &rows)
{
    FormSettings settings = defaultSettings(false);
    for (int i = 0; i < optionCount; ++i) {
        settings[i].enabled = rows[i].named;
        if (rows[i].taken)
            settings[i].value = rows[i].taken->value;
    }
    return settings;
}

bool readInPart(const RecognisedLine &line)
{
    const OptionRow &row = optionCatalogue[line.row];
    return line.accepted
            && typedValue(row, QStringView(line.text).sliced(qstrlen(row.key))) != line.value;
}

int wholeNumber(QStringView text)
{
    if (text.isEmpty())
        return -1;
    int number = 0;
    int digits = 0; // after the leading zeros
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return -1;
        if ((number > 0 || c != u'0') && ++digits > 9)
            return -1;
        number = number * 10 + (c.unicode() - u'0');
    }
    return number;
}

std::optional<int> typedValue(const OptionRow &row, QStringView text)
{
    int widgetValue = -1;
    switch (row.list) {
    case ValueList::None:
    case ValueList::Power:
    case ValueList::Monitoring:
        widgetValue = wholeNumber(text);
        break;
    case ValueList::Functions:
        if (const int position = functionPosition(text);
            position > 0 && functionValueName(position - 1) == text)
            widgetValue = position - 1;
        break;
    case ValueList::BaudRates: {
        const auto found = std::find(baudRates.begin(), baudRates.end(), wholeNumber(text));
        if (found != baudRates.end())
            widgetValue = int(found - baudRates.begin());
        break;
    }
    }
    if (widgetValue < row.minimum || widgetValue > row.maximum)
        return std::nullopt;
    return widgetValue;
}

Setting applySetting(FormSettings &form, QStringView setting)
{
    const qsizetype equals = setting.indexOf(u'=');
    const int row = equals < 0 ? -1 : optionIndex(QString(u'#' + setting.first(equals) + u':'));
    if (row < 0)
        return {};
    const std::optional<int> value = typedValue(optionCatalogue[row], setting.mid(equals + 1));
    if (value)
        form[row] = {true, *value};
    return {row, value.has_value()};
}

QString acceptedValues(const OptionRow &row)
{
    QStringList values;
    switch (row.list) {
    case ValueList::None:
    case ValueList::Power:
    case ValueList::Monitoring:
        if (row.maximum - row.minimum > 1)
            return u"%1 to %2"_s.arg(row.minimum).arg(row.maximum);
        values << QString::number(row.minimum) << QString::number(row.maximum);
        break;
    case ValueList::Functions: {
        for (int i = 0; i < firstFolderEntry; ++i)
            values.append(functionValueName(i));
        const auto range = [](int first, int last) -> QString {
            return functionValueName(first) + u" to "_s + functionValueName(last);
        };
        values << range(firstFolderEntry, firstSerialCommandEntry - 1)
               << range(firstSerialCommandEntry, functionCount - 1);
        break;
    }
    case ValueList::BaudRates:
        for (int rate : baudRates)
            values.append(QString::number(rate));
        break;
    }
    // "A, B or C"
    return values.first(values.size() - 1).join(u", "_s) + u" or "_s + values.last();
}

} // namespace Tessaro
