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

// The lines of a golden file, named from tests/, to compare actual with; its
// blank lines count. Run with TESSARO_WRITE_GOLDEN=1 to write actual there
// first, a file that does not exist yet too: a changed output is then
// reviewed as a diff of the file.
inline QStringList golden(const QString &name, const QStringList &actual)
{
    const QString path = QStringLiteral(QT_TESTCASE_SOURCEDIR "/") + name;
    if (qEnvironmentVariableIsSet("TESSARO_WRITE_GOLDEN"))
        writeFile(path, (actual.join(u'\n') + u'\n').toUtf8());
    QStringList lines = QString::fromUtf8(readAll(path)).split(u'\n');
    lines.removeLast(); // after the last line's end
    return lines;
}

} // namespace TestSupport
