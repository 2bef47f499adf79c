// Our translation files are checked before Qt trusts them: a file that does
// not hold together counts as missing. The sources themselves: translations.sh.

#include "core/translationcheck.h"
#include "support/files.h"

#include <QTest>
#include <QtEndian>


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
    QTest::newRow("French") << french << "MainWindow"_ba << true;
    QTest::newRow("a section past the end") << sectionPastEnd << "MainWindow"_ba << false;
    QTest::newRow("a hash offset past the end") << offsetPastEnd << "MainWindow"_ba << false;
    QTest::newRow("another magic number") << otherMagic << "MainWindow"_ba << false;
    const QStringList rows = QString::fromUtf8(TestSupport::readAll(
            QFINDTESTDATA("data/translations.txt"))).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &row : rows) {
        const QStringList cells = row.split(u" | "_s);
        if (!row.startsWith(u'#'))
            QTest::newRow(qPrintable(cells[0]))
                    << french.first(16) + QByteArray::fromHex(cells[3].toLatin1())
                    << cells[1].toLatin1() << (cells[2] == u"1"_s);
    }
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
