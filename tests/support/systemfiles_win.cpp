#include "support/systemfiles.h"

#include "core/safefiles.h"

#include <QDir>
#include <QTest>

#include <windows.h>

using namespace Qt::StringLiterals;
using Tessaro::FileStatus;

namespace TestSupport {

void addSystemStandingRows()
{
    QTest::newRow("a read-only file") << u"read-only"_s << true << int(FileStatus::SystemError);
    QTest::newRow("a device's name") << u"NUL"_s << true << int(FileStatus::NotAFile);
    QTest::newRow("a device's name, kept") << u"NUL"_s << false << int(FileStatus::NotAFile);
}

QString putSystemStanding(const QString &standing, const QString &folder, const QString &)
{
    // The device's own name stands in every folder.
    if (standing == u"NUL")
        return folder + u"/NUL"_s;
    const QString path = folder + u"/config.txt"_s;
    const HANDLE file = ::CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(),
                                      GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_READONLY, nullptr);
    return file != INVALID_HANDLE_VALUE && ::CloseHandle(file) ? path : QString();
}

QByteArray withSystemLineEnds(QByteArray text)
{
    return text.replace("\n", "\r\n");
}

int readOnlyFileSystem()
{
    return ERROR_WRITE_PROTECT;
}

QList<std::pair<int, QString>> systemReasonsInEnglish()
{
    return {{ERROR_DISK_FULL, u"No space left on device"_s},
            {ERROR_WRITE_PROTECT, u"Read-only file system"_s},
            {ERROR_ACCESS_DENIED, u"Permission denied"_s},
            {ERROR_SHARING_VIOLATION, u"Device or resource busy"_s},
            {ERROR_FILE_NOT_FOUND, u"No such file or directory"_s}};
}

std::pair<int, QString> systemReasonInFrench()
{
    return {ERROR_DISK_FULL, u"Aucun espace disponible sur le périphérique"_s};
}

QList<std::pair<QString, bool>> systemFolderNames()
{
    return {{u"CON"_s, true},      {u"com1.txt"_s, true}, {u"Lpt9 .x"_s, true},
            {u"NUL "_s, true},     {u"COM0"_s, false},    {u"CONSOLE"_s, false},
            {u"a:b"_s, true},      {u"a."_s, true},       {u"a "_s, true},
            {u"a\u0001"_s, true}, {u"aux-1"_s, false}};
}

} // namespace TestSupport
