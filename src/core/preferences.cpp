#include "core/preferences.h"

#include "core/installeddata.h"
#include "core/safefiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// Our file is under 200 bytes; a bigger one is not ours.
constexpr qint64 maximumPreferencesSize = 64 * 1024;


QString preferencesFileName()
{
    return QCoreApplication::applicationName() + preferencesSuffix;
}

QString besideTheProgram()
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(preferencesFileName());
}

QString inTheUsersFolder()
{
    return userConfigurationFolder() + u'/' + preferencesFileName();
}

} // namespace

QString preferencesReadPath()
{
    // Read from where the choice is written; beside an installed program a
    // file may still lie, read only while the user has none of their own.
    if (keepsFilesBesideItself())
        return besideTheProgram();
    const QString users = inTheUsersFolder();
    return QFileInfo::exists(users) ? users : besideTheProgram();
}

QString preferencesWritePath()
{
    return keepsFilesBesideItself() ? besideTheProgram() : inTheUsersFolder();
}

QByteArray preferencesText(Language language)
{
    const QString name = QCoreApplication::applicationName();
    const QString stars(40, u'*');
    const QStringList lines{
            preferencesFormatTag + preferencesFormatVersion,
            name + u" - "_s + preferencesTitle,
            u"Generate by: "_s + name + u' ' + QCoreApplication::applicationVersion(),
            stars,
            u"Language"_s,
            stars,
            languageName(language),
    };
    // The line ends a text-mode file has always had.
    return (lines.join(systemLineEnd()) + systemLineEnd()).toUtf8();
}

std::optional<Language> parsePreferences(const QByteArray &content)
{
    QTextStream stream(content);
    const QString first = stream.readLine();
    if (!first.contains(preferencesFormatTag) || !first.contains(preferencesFormatVersion))
        return std::nullopt;
    for (int line = 2; line <= 6; ++line)
        stream.readLine();
    const QString stored = stream.readLine();
    for (const LanguageEntry &entry : languages) {
        if (stored == languageName(entry.language))
            return entry.language;
    }
    return Language::Default;
}

std::optional<Language> readPreferences(const QString &path)
{
    // Not through a link, nor from anything but a regular file: the program
    // starts as if there were no file.
    QByteArray content;
    if (!readRegularFile(path, maximumPreferencesSize, Links::Refuse, content).ok())
        return std::nullopt;
    return parsePreferences(content);
}

void writePreferences(const QString &path, Language language)
{
    // Never over a link or anything but a regular file. A link planted after
    // this look is replaced by the new file, never written through.
    if (!isOwnFilePlace(path))
        return;
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFile(path, preferencesText(language), Existing::Replace);
}

} // namespace Tessaro
