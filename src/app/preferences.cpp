#include "app/preferences.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <QTextStream>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// Our file is under 200 bytes; reading more of a foreign one only costs memory.
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
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .absoluteFilePath(preferencesFileName());
}

} // namespace

QString preferencesReadPath()
{
    const QString beside = besideTheProgram();
    return QFileInfo::exists(beside) ? beside : inTheUsersFolder();
}

QString preferencesWritePath()
{
    return QFileInfo(QCoreApplication::applicationDirPath()).isWritable() ? besideTheProgram()
                                                                          : inTheUsersFolder();
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
    return (lines.join(u'\n') + u'\n').toUtf8();
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
    // Only a regular file: opening a FIFO of that name would block the start.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return std::nullopt;
    return parsePreferences(file.read(maximumPreferencesSize));
}

void writePreferences(const QString &path, Language language)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    // A writable file in a folder that is not: write it in place.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    file.write(preferencesText(language));
    file.commit();
}

} // namespace Tessaro
