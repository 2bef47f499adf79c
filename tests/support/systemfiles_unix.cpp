#include "support/systemfiles.h"

#include "core/safefiles.h"

#include <QFile>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using Tessaro::FileStatus;

namespace TestSupport {

void addSystemStandingRows()
{
    QTest::newRow("a link, kept") << u"link"_s << false << int(FileStatus::Exists);
    QTest::newRow("a link, replaced itself") << u"link"_s << true << int(FileStatus::None);
    QTest::newRow("a link to nothing, kept") << u"dangling"_s << false << int(FileStatus::NotAFile);
    QTest::newRow("a link to nothing") << u"dangling"_s << true << int(FileStatus::NotAFile);
    QTest::newRow("a link loop") << u"loop"_s << true << int(FileStatus::NotAFile);
    QTest::newRow("a FIFO") << u"fifo"_s << true << int(FileStatus::NotAFile);
}

QString putSystemStanding(const QString &standing, const QString &folder, const QString &target)
{
    const QString path = folder + u"/config.txt"_s;
    const bool put = standing == u"fifo"
            ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
            : QFile::link(standing == u"link"   ? target
                          : standing == u"loop" ? path
                                                : target + u".none"_s,
                          path);
    return put ? path : QString();
}

QByteArray withSystemLineEnds(QByteArray text)
{
    return text;
}

int readOnlyFileSystem()
{
    return EROFS;
}

QList<std::pair<int, QString>> systemReasonsInEnglish()
{
    QList<std::pair<int, QString>> reasons;
    for (int error = 1; error <= EHWPOISON; ++error)
        reasons.append({error, QString::fromLocal8Bit(std::strerror(error))});
    return reasons;
}

std::pair<int, QString> systemReasonInFrench()
{
    return {EDQUOT, u"Quota de disque dépassé"_s};
}

QList<std::pair<QString, bool>> systemFolderNames()
{
    return {{u"CON"_s, false}, {u"a:b?"_s, false}, {u"a. "_s, false}};
}

} // namespace TestSupport
