#include "core/format/configurationformat.h"

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
// what comparing text against every name in turn would give.
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

// The key a line of text begins with, and whether its value is accepted;
// nothing when the line carries no known key.
std::optional<RecognisedLine> recogniseLine(QStringView line, int lineNumber)
{
    // Every key ends at its only colon, and no key begins another: the key a
    // line begins with, if any, is the line up to its first colon.
    static const qsizetype longestKey = [] {
        qsizetype longest = 0;
        for (const OptionRow &row : optionCatalogue)
            longest = std::max(longest, qsizetype(qstrlen(row.key)));
        return longest;
    }();
    const QStringView trimmed = line.trimmed();
    const qsizetype colon = trimmed.first(std::min(trimmed.size(), longestKey)).indexOf(u':');
    if (colon < 0)
        return std::nullopt;
    const int row = optionIndex(trimmed.first(colon + 1));
    if (row < 0)
        return std::nullopt;
    const std::optional<int> accepted =
            parseValue(optionCatalogue[row], trimmed.sliced(colon + 1), ValueText::Line);
    return RecognisedLine{row, lineNumber, accepted.has_value(), accepted.value_or(-1),
                          trimmed.toString()};
}

// Whether an accepted line held more than the unit read of it, as
// "#VOLUME:100" read as 10: typed whole, its value would not be the same.
bool readInPart(const RecognisedLine &line)
{
    const OptionRow &row = optionCatalogue[line.row];
    return parseValue(row, QStringView(line.text).sliced(qstrlen(row.key)), ValueText::Whole)
            != line.value;
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

bool concernsTheFile(const Finding &finding)
{
    return finding.kind != Finding::OutOfFormRange;
}

FileReading readConfiguration(const QByteArray &content)
{
    // A byte-order mark names the encoding, else UTF-8; the mark itself is
    // dropped. Lines end in LF or CR LF, and trimming removes the CR.
    const QStringConverter::Encoding encoding =
            QStringConverter::encodingForData(content).value_or(QStringConverter::Utf8);
    const QString text = QStringDecoder(encoding).decode(content);
    FileReading reading;
    std::array<int, optionCount> taken{}; // the line each row took its value from
    int lineNumber = 0;
    for (QStringView line : QStringTokenizer(text, u'\n')) {
        ++lineNumber;
        const QStringView trimmed = line.trimmed();
        if (trimmed.contains(u'\r'))
            reading.findings.append(
                    {Finding::CarriageReturns, lineNumber, -1, trimmed.toString(), -1, 0});
        std::optional<RecognisedLine> recognised = recogniseLine(trimmed, lineNumber);
        if (!recognised) {
            if (!trimmed.isEmpty())
                reading.findings.append(
                        {Finding::NotRecognised, lineNumber, -1, trimmed.toString(), -1, 0});
            continue;
        }
        const RecognisedLine &read = reading.recognised.emplace_back(std::move(*recognised));
        const auto found = [&](Finding::Kind kind) {
            reading.findings.append({kind, lineNumber, read.row, read.text, read.value,
                                     taken[read.row]});
        };
        if (!read.accepted) {
            found(Finding::Refused);
            continue;
        }
        if (readInPart(read))
            found(Finding::ReadInPart);
        if (taken[read.row] > 0)
            found(Finding::GivenAgain);
        taken[read.row] = lineNumber;
    }
    // Only the value a row keeps reaches the form.
    for (int row = 0; row < optionCount; ++row) {
        if (taken[row] == 0)
            continue;
        const auto line = std::find_if(reading.recognised.crbegin(), reading.recognised.crend(),
                                       [&](const RecognisedLine &read) {
                                           return read.lineNumber == taken[row];
                                       });
        if (line->value < optionCatalogue[row].minimum)
            reading.findings.append({Finding::OutOfFormRange, line->lineNumber, row, line->text,
                                     line->value, 0});
    }
    std::stable_sort(
            reading.findings.begin(), reading.findings.end(),
            [](const Finding &a, const Finding &b) { return a.lineNumber < b.lineNumber; });
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
            settings[i].value = std::clamp(rows[i].taken->value, optionCatalogue[i].minimum,
                                           optionCatalogue[i].maximum);
    }
    return settings;
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

std::optional<int> parseValue(const OptionRow &row, QStringView text, ValueText how)
{
    const bool whole = how == ValueText::Whole;
    int widgetValue = -1;
    switch (row.list) {
    case ValueList::None:
    case ValueList::Power:
    case ValueList::Monitoring:
        widgetValue = whole ? wholeNumber(text) : windowedNumber(text, row.digitWindow);
        break;
    case ValueList::Functions:
        if (const int position = functionPosition(text);
            position > 0 && (!whole || functionValueName(position - 1) == text))
            widgetValue = position - 1;
        break;
    case ValueList::BaudRates: {
        const int rate = whole ? wholeNumber(text) : windowedNumber(text, row.digitWindow);
        const auto found = std::find(baudRates.begin(), baudRates.end(), rate);
        if (found != baudRates.end())
            widgetValue = int(found - baudRates.begin());
        break;
    }
    }
    // A file may hold any value from 0; the form shows from the row's minimum.
    if (widgetValue < 0 || widgetValue > row.maximum)
        return std::nullopt;
    return widgetValue;
}

Setting applySetting(FormSettings &form, QStringView setting)
{
    const qsizetype equals = setting.indexOf(u'=');
    const int row = equals < 0 ? -1 : optionIndexByName(setting.first(equals));
    if (row < 0)
        return {};
    std::optional<int> value =
            parseValue(optionCatalogue[row], setting.sliced(equals + 1), ValueText::Whole);
    if (value && *value < optionCatalogue[row].minimum)
        value.reset();
    if (value)
        form[row] = {true, *value};
    return {row, value.has_value()};
}

QString acceptedValues(const OptionRow &row, ValueText how)
{
    const int minimum = how == ValueText::Line ? 0 : row.minimum;
    QStringList values;
    switch (row.list) {
    case ValueList::None:
    case ValueList::Power:
    case ValueList::Monitoring:
        if (row.maximum - minimum > 1)
            return u"%1 to %2"_s.arg(minimum).arg(row.maximum);
        values << QString::number(minimum) << QString::number(row.maximum);
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
