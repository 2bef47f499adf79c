#include "core/windowsettings.h"

#include "core/installeddata.h"
#include "core/safefiles.h"

#include <QByteArrayList>
#include <QDir>
#include <QFileInfo>
#include <QPoint>
#include <QSize>
#include <QStringList>

#include <optional>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// Our file is a few hundred bytes; a bigger one is not ours.
constexpr qint64 maximumWindowSettingsSize = 64 * 1024;

// The control characters escaped by a letter, as in C, and their letters:
// "\n" for a line break.
constexpr QStringView namedControls = u"\a\b\f\n\r\t\v";
constexpr QByteArrayView controlLetters = "abfnrtv";

bool isHexDigit(char16_t code)
{
    return code < 0x80 && QByteArrayView("0123456789abcdefABCDEF").contains(char(code));
}

bool isBlank(QChar character)
{
    return character == u' ' || character == u'\t';
}

// Blanks at the end of a string, after its last quoted or escaped character
// (at kept), were only the file's layout.
void chopBlanks(QString &string, qsizetype kept)
{
    while (string.size() > kept && isBlank(string.back()))
        string.chop(1);
}

// The strings of a value: several when commas outside quotes part them,
// each without the blanks around it. Nothing when a quote is left open.
std::optional<QStringList> unescapedStrings(QByteArrayView text)
{
    QStringList strings{QString()};
    qsizetype kept = 0; // the string up to its last quoted or escaped character
    bool quoted = false;
    qsizetype at = 0;
    const auto skipBlanks = [&text, &at] {
        while (at < text.size() && isBlank(QLatin1Char(text[at])))
            ++at;
    };
    skipBlanks();
    while (at < text.size()) {
        QString &string = strings.last();
        const char character = text[at++];
        if (character == '"') {
            quoted = !quoted;
            kept = string.size();
        } else if (character == '\\' && at < text.size()) {
            const char escape = text[at++];
            const qsizetype named = controlLetters.indexOf(escape);
            if (escape == 'x') {
                // As many hex digits as follow: a digit after the escape is
                // escaped in turn.
                const qsizetype start = at;
                while (at < text.size() && isHexDigit(uchar(text[at])))
                    ++at;
                if (at > start)
                    string += QChar(char16_t(text.sliced(start, at - start).toUInt(nullptr, 16)));
            } else if (named >= 0) {
                string += namedControls[named];
            } else {
                // A quote, a backslash: the character itself.
                string += QLatin1Char(escape);
            }
            kept = string.size();
        } else if (character == ',' && !quoted) {
            chopBlanks(string, kept);
            strings.append(QString());
            kept = 0;
            skipBlanks();
        } else if (character == ';' && !quoted) {
            break; // a comment
        } else {
            // Plain bytes decoded at once: a character's UTF-8 bytes are never
            // parted, as no special character is among them.
            const qsizetype start = at - 1;
            while (at < text.size() && !QByteArrayView("\"\\,;").contains(text[at]))
                ++at;
            string += QString::fromUtf8(text.sliced(start, at - start));
        }
    }
    if (quoted)
        return std::nullopt;
    chopBlanks(strings.last(), kept);
    return strings;
}

// A single string, or the value QSettings wrote in its place: "@Size(600 500)",
// "@Point(0 0)", "@Invalid()" for none, "@@" for a string's own "@". Nothing
// when a size or position is not two whole numbers.
std::optional<QVariant> variantFrom(const QString &string)
{
    if (string.startsWith(u"@@"_s))
        return QVariant(string.sliced(1));
    if (string == u"@Invalid()"_s)
        return QVariant();
    const bool isSize = string.startsWith(u"@Size("_s);
    if (!isSize && !string.startsWith(u"@Point("_s))
        return QVariant(string);
    if (!string.endsWith(u')'))
        return std::nullopt;
    const QStringList numbers = string.sliced(string.indexOf(u'(') + 1).chopped(1).split(u' ');
    bool xRead = false;
    bool yRead = false;
    const int x = numbers.value(0).toInt(&xRead);
    const int y = numbers.value(1).toInt(&yRead);
    if (numbers.size() != 2 || !xRead || !yRead)
        return std::nullopt;
    return isSize ? QVariant(QSize(x, y)) : QVariant(QPoint(x, y));
}

// What follows "=": a list when commas part its strings.
std::optional<QVariant> valueFrom(QByteArrayView text)
{
    std::optional<QStringList> strings = unescapedStrings(text);
    if (!strings)
        return std::nullopt;
    if (strings->size() == 1)
        return variantFrom(strings->constFirst());
    for (QString &string : *strings) {
        if (string.startsWith(u"@@"_s))
            string.remove(0, 1);
    }
    return QVariant(*strings);
}

// A string as QSettings writes it: controls, quotes and backslashes escaped,
// the whole quoted when it holds a comma, semicolon or equals sign, or has a
// blank at either end.
QByteArray escaped(const QString &string)
{
    QString text = string.startsWith(u'@') ? u"@"_s : QString();
    // "\x1" then "a" would read as "\x1a": a hex digit after a hex escape is
    // escaped too.
    bool afterHexEscape = false;
    for (const QChar character : string) {
        const char16_t code = character.unicode();
        const qsizetype named = namedControls.indexOf(character);
        const bool hexNext = afterHexEscape && isHexDigit(code);
        afterHexEscape = false;
        if (code == u'\\' || code == u'"') {
            text += u'\\';
            text += character;
        } else if (named >= 0) {
            text += u'\\';
            text += QLatin1Char(controlLetters[named]);
        } else if (code < 0x20 || hexNext) {
            text += u"\\x"_s + QString::number(code, 16);
            afterHexEscape = true;
        } else {
            text += character;
        }
    }
    if (text.contains(u',') || text.contains(u';') || text.contains(u'=') || text.startsWith(u' ')
        || text.endsWith(u' '))
        text = u'"' + text + u'"';
    return text.toUtf8();
}

// The value as QSettings writes it: a size, position or no value in its "@"
// form, a list's strings parted by commas, anything else as its string.
QByteArray writtenValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return "@Invalid()";
    case QMetaType::QSize:
        return u"@Size(%1 %2)"_s.arg(value.toSize().width()).arg(value.toSize().height()).toUtf8();
    case QMetaType::QPoint:
        return u"@Point(%1 %2)"_s.arg(value.toPoint().x()).arg(value.toPoint().y()).toUtf8();
    case QMetaType::QStringList: {
        QByteArrayList strings;
        for (const QString &string : value.toStringList())
            strings << escaped(string);
        return strings.isEmpty() ? "@Invalid()" : strings.join(", ");
    }
    default:
        return escaped(value.toString());
    }
}

} // namespace

WindowValues parseWindowSettings(const QByteArray &content)
{
    WindowValues values;
    QString section;
    for (const QByteArray &line : content.split('\n')) {
        const QByteArray text = line.trimmed();
        if (text.startsWith('[')) {
            if (text.endsWith(']'))
                section = QString::fromUtf8(text.sliced(1, text.size() - 2)).trimmed();
            continue;
        }
        // Not a comment, and a key before "=": the line is trimmed, so the key
        // holds at least its first character.
        const qsizetype equals = text.indexOf('=');
        if (text.startsWith(';') || equals <= 0)
            continue;
        const QString key = QString::fromUtf8(text.first(equals).trimmed());
        if (const std::optional<QVariant> value =
                    valueFrom(QByteArrayView(text).sliced(equals + 1)))
            values.insert(section.isEmpty() ? key : section + u'/' + key, *value);
    }
    return values;
}

QByteArray windowSettingsText(const WindowValues &values)
{
    // Lines end as QSettings ends them: as the system's text files do.
    const QByteArray end = systemLineEnd().toString().toLatin1();
    QByteArray text;
    QString section;
    for (auto entry = values.cbegin(); entry != values.cend(); ++entry) {
        const qsizetype slash = entry.key().indexOf(u'/');
        const QString keySection = entry.key().left(slash);
        if (text.isEmpty() || keySection != section) {
            if (!text.isEmpty())
                text += end;
            text += '[' + keySection.toUtf8() + ']' + end;
            section = keySection;
        }
        text += entry.key().mid(slash + 1).toUtf8() + '=' + writtenValue(entry.value()) + end;
    }
    return text;
}

WindowSettings::WindowSettings() : m_path(windowSettingsFolder() + u"/window.conf"_s)
{
    // Not through a link, nor from anything but a regular file: a FIFO would
    // hold the window before it ever shows. Such a file reads as none.
    QByteArray content;
    if (readRegularFile(m_path, maximumWindowSettingsSize, Links::Refuse, content).ok())
        m_values = parseWindowSettings(content);
}

void WindowSettings::save() const
{
    // A link in the file's place is replaced itself, never written through.
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    writeFile(m_path, windowSettingsText(m_values), Existing::Replace);
}

namespace {
const QString recentFilesKey = u"recent/files"_s;
} // namespace

QStringList recentFiles()
{
    return WindowSettings().value(recentFilesKey).toStringList().mid(0, recentFileCount);
}

void rememberRecentFile(const QString &path)
{
    WindowSettings settings;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = settings.value(recentFilesKey).toStringList();
    files.removeAll(absolute);
    files.prepend(absolute);
    settings.setValue(recentFilesKey, files.mid(0, recentFileCount));
    settings.save();
}

void clearRecentFiles()
{
    WindowSettings settings;
    settings.setValue(recentFilesKey, QStringList());
    settings.save();
}

} // namespace Tessaro
