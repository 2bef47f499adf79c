#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

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

} // namespace TestSupport
