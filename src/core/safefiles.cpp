#include "core/safefiles.h"

#include "core/safefiles_p.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>

namespace Tessaro {

namespace {

// Our temporary files: ".tessaro-" and eight hexadecimal digits, then
// ".tmp", a shape no one else's file is likely to have. The name is short,
// so that any name the folder takes may be written.
constexpr QByteArrayView temporaryPrefix = ".tessaro-", temporarySuffix = ".tmp";
constexpr qsizetype temporaryDigits = 8;

} // namespace

bool isTemporaryName(QByteArrayView name)
{
    if (name.size() != temporaryPrefix.size() + temporaryDigits + temporarySuffix.size()
        || !name.startsWith(temporaryPrefix) || !name.endsWith(temporarySuffix))
        return false;
    const QByteArrayView digits = name.sliced(temporaryPrefix.size(), temporaryDigits);
    return std::all_of(digits.begin(), digits.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
    });
}

QByteArray temporaryName()
{
    return temporaryPrefix.toByteArray()
            + QByteArray::number(QRandomGenerator::global()->generate(), 16)
                      .rightJustified(temporaryDigits, '0')
            + temporarySuffix.toByteArray();
}

QString reasonFrom(const SystemReason *reasons, std::size_t count, int code)
{
    const SystemReason *const end = reasons + count;
    const SystemReason *const reason = std::find_if(
            reasons, end, [code](const SystemReason &entry) { return entry.code == code; });
    return reason != end ? QCoreApplication::translate("Files", reason->text)
                         : qt_error_string(code);
}

FileStatus readRegularFile(const QString &path, qint64 maximumSize, Links links,
                           QByteArray &content)
{
    content.clear();
    // What is built into the program (":/") is in memory.
    if (!path.startsWith(u':'))
        return readFileOnDisk(path, maximumSize, links, content);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {FileStatus::Missing, 0};
    if (file.size() > maximumSize)
        return {FileStatus::TooLarge, 0};
    content = file.readAll();
    return {};
}

} // namespace Tessaro
