// Our translation files are checked before Qt trusts them: a file that does
// not hold together counts as missing. The sources themselves: translations.sh.

#include "app/translationcheck.h"
#include "support/files.h"

#include <QTest>
#include <QtEndian>

#include <tuple>

using namespace Qt::StringLiterals;

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void onlyWholeFilesHoldTogether_data();
    void onlyWholeFilesHoldTogether();
};

void TestTranslations::onlyWholeFilesHoldTogether_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<bool>("holds");
    const QByteArray french = TestSupport::readAll(QStringLiteral(FRENCH_QM_FILE));
    // The hash table: the section of tag 0x42, found from the one after the magic number.
    qsizetype hashes = 16;
    while (hashes + 5 < french.size() && uchar(french[hashes]) != 0x42)
        hashes += 5 + qFromBigEndian<quint32>(french.constData() + hashes + 1);
    QByteArray sectionPastEnd = french, offsetPastEnd = french, otherMagic = french;
    qToBigEndian(quint32(french.size()), sectionPastEnd.data() + 17);
    qToBigEndian(quint32(french.size()), offsetPastEnd.data() + hashes + 9);
    otherMagic[0] = 'Q';
    // A whole file of one message record, which its one hash entry names.
    const auto withRecord = [&french](const char *hex) -> QByteArray {
        const QByteArray record = QByteArray::fromHex(hex);
        QByteArray length(4, '\0');
        qToBigEndian(quint32(record.size()), length.data());
        return french.first(16) + QByteArray::fromHex("42 00000008 00000001 00000000 69") + length
                + record;
    };
    const QByteArray other = withRecord("03 00000002 0078 07 00000005 4f74686572 01");

    QTest::newRow("French") << french << "MainWindow"_ba << true;
    QTest::newRow("a section past the end") << sectionPastEnd << "MainWindow"_ba << false;
    QTest::newRow("a hash offset past the end") << offsetPastEnd << "MainWindow"_ba << false;
    QTest::newRow("another magic number") << otherMagic << "MainWindow"_ba << false;
    QTest::newRow("no MainWindow translation") << other << "MainWindow"_ba << false;
    QTest::newRow("its own context") << other << "Other"_ba << true;
    // Records of "x" in "Other", each with something more, or something wrong.
    const std::tuple<const char *, const char *, bool> records[] = {
            {"a context ended by a NUL", "03 00000002 0078 07 00000006 4f7468657200 01", true},
            {"four obsolete bytes", "05 00000000 03 00000002 0078 07 00000005 4f74686572 01", true},
            {"an unknown part", "0a 00000000 03 00000002 0078 07 00000005 4f74686572 01", false},
            {"a translation of an odd length", "03 00000001 78 07 00000005 4f74686572 01", false},
            {"an empty translation", "03 ffffffff 07 00000005 4f74686572 01", false},
            {"two contexts", "03 00000002 0078 07 00000005 4f74686572 07 00000001 41 01", false}};
    for (const auto &[name, hex, holds] : records)
        QTest::newRow(name) << withRecord(hex) << "Other"_ba << holds;
    // The contexts table lrelease writes when compressing: one bucket, whose
    // chain at pool position 2 holds "Other", then ends.
    QTest::newRow("a contexts table") << QByteArray(other).insert(
            16, QByteArray::fromHex("2f 0000000d 0001 0001 0000 05 4f74686572 00"))
                                      << "Other"_ba << true;
    QTest::newRow("a length cut short") << withRecord("03 00000002 0078 07 01") << ""_ba << false;
    QTest::newRow("a contexts chain past its end") << QByteArray(other).insert(
            16, QByteArray::fromHex("2f 0000000d 0001 0001 0000 07 4f74686572 00"))
                                                   << "Other"_ba << false;
}

void TestTranslations::onlyWholeFilesHoldTogether()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, context);
    QFETCH(bool, holds);
    QCOMPARE(Tessaro::translationHoldsTogether(data, context.constData()), holds);
}

QTEST_APPLESS_MAIN(TestTranslations)
#include "tst_translations.moc"
