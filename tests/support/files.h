#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

namespace TestSupport {

// The bytes of a file, or a marker that cannot be mistaken for content.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// The lines of a golden file, to compare actual with. Run with
// TESSARO_WRITE_GOLDEN=1 to write actual there first: a changed output is
// then reviewed as a diff of the file.
inline QStringList golden(const QString &path, const QStringList &actual)
{
    if (qEnvironmentVariableIsSet("TESSARO_WRITE_GOLDEN"))
        writeFile(path, (actual.join(u'\n') + u'\n').toUtf8());
    return QString::fromUtf8(readAll(path)).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace TestSupport
