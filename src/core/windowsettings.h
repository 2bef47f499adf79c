#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace Tessaro {

// Keys name their INI section first: "window/preview" is preview= under
// [window]. A value reads back as QSettings would give it: a QSize, a QPoint,
// a QStringList (of one string, a QString that toStringList() reads), or a
// QString that toInt() and toBool() read.
using WindowValues = QMap<QString, QVariant>;

// The values an INI file holds, as QSettings wrote it or as
// windowSettingsText() writes it. A line that cannot be read is skipped.
WindowValues parseWindowSettings(const QByteArray &content);

// The INI file of values: strings in UTF-8, escaped and quoted as QSettings
// does, lines ended as it ends them, so that each reads back exactly and an
// earlier version reads them too.
QByteArray windowSettingsText(const WindowValues &values);

// How the user left the window and its dialogs: size, position, what was
// shown, what the units dialog held. An INI file of its own, window.conf in
// windowSettingsFolder(): on Linux the user's, never every user's. It is read when the
// object is made, and written whole by save().
class WindowSettings
{
public:
    WindowSettings();

    QString path() const { return m_path; }
    QVariant value(const QString &key, const QVariant &fallback = {}) const
    {
        return m_values.value(key, fallback);
    }
    void setValue(const QString &key, const QVariant &value) { m_values.insert(key, value); }
    // Creates the folder if needed; a failure is silent, as the program has no
    // place to report it.
    void save() const;

private:
    QString m_path;
    WindowValues m_values;
};

// The configuration files last imported or generated, newest first, each
// once, at most recentFileCount of them, kept in window.conf.
inline constexpr int recentFileCount = 8;
QStringList recentFiles();
void rememberRecentFile(const QString &path);
void clearRecentFiles();

} // namespace Tessaro
