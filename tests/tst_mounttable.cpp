// Which mounts of the mount table are cards, as watching a folder sees them.

#include "core/cards/linux/mounttable.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace Tessaro;

class TestMountTable : public QObject
{
    Q_OBJECT

private slots:
    void cardsInTheMountTable_data();
    void cardsInTheMountTable();
};

void TestMountTable::cardsInTheMountTable_data()
{
    // Mounts as "ID DEVICE ROOT POINT TYPE SOURCE", and what watching
    // /media/ana makes of those inside it.
    QTest::addColumn<QString>("mounts");
    QTest::addColumn<QString>("seen");
    QTest::newRow("cards") << u"1 8:1 / /media/ana/CARD vfat /dev/sdb1|2 0:9 / /media/ana/T tmpfs t"_s
                           << u"/media/ana/CARD: card|/media/ana/T: card"_s;
    QTest::newRow("outside, or the folder itself")
            << u"2 8:2 / /media/anna/X|3 8:3 / /media/ana|4 8:4 / /mnt/Y|5 8:5 / /media/ana/a/b"_s
            << u"/media/ana/a/b: card"_s;
    QTest::newRow("a bind of a folder") << u"6 8:1 /root /media/ana/ROOT"_s
                                        << u"/media/ana/ROOT: not a card of its own"_s;
    QTest::newRow("a second view") << u"7 8:7 / /mnt/x|8 8:7 / /media/ana/Y"_s
                                   << u"/media/ana/Y: not a card of its own"_s;
    QTest::newRow("not a card's file system, or a loop device")
            << u"9 0:40 / /media/ana/O overlay overlay|10 0:41 / /media/ana/S fuse.sshfs a@b:|"
               u"11 7:0 / /media/ana/L ext4 /dev/loop0|12 0:42 / /media/ana/N ext4 tank"_s
            << u"/media/ana/O: not a card's file system (overlay)|/media/ana/S: not a card's file "
               u"system (fuse.sshfs)|/media/ana/L: not a removable card|/media/ana/N: not a "
               u"removable card"_s;
    QTest::newRow("names escaped, digits, or not UTF-8")
            << u"9 8:9 / /media/ana/MY\\040CARD|10 8:10 / /media/ana/\\377\\303\\251|"
               u"11 8:11 / /media/ana/SD2024"_s
            << u"/media/ana/MY CARD: card|/media/ana/\\xff\u00e9: card|/media/ana/SD2024: card"_s;
}

void TestMountTable::cardsInTheMountTable()
{
    QFETCH(QString, mounts);
    QFETCH(QString, seen);
    QByteArray table = "1 0 8:0 / / rw - ext4 /dev/sda1 rw\ndamaged line\n";
    for (const QString &mount : mounts.split(u'|')) {
        const QStringList fields = QString(mount + u" ext4 /dev/sdx"_s).split(u' ');
        table += u"%1 1 %2 %3 %4 rw - %5 %6 rw\n"_s
                         .arg(fields[0], fields[1], fields[2], fields[3], fields[4], fields[5])
                         .toLatin1();
    }
    const QList<Mount> all = parseMountTable(table);
    QStringList found;
    for (const Mount &mount : mountsInside(all, "/media/ana"))
        found << shownName(mount.point) + u": "_s + whyNoCard(mount, all).value_or(u"card"_s);
    QCOMPARE(found.join(u'|'), seen);
}

QTEST_GUILESS_MAIN(TestMountTable)
#include "tst_mounttable.moc"
