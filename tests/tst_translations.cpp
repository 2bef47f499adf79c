// The translation sources: every text of the program translated, and the
// parts a translation must keep kept.

#include "app/translationcheck.h"
#include "support/childprocess.h"
#include "support/files.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", ... or empty once finished
};

QList<Message> messages(const QByteArray &ts)
{
    QList<Message> list;
    QXmlStreamReader xml(ts);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            list.append({context, {}, {}, {}});
        } else if (xml.name() == u"source") {
            list.last().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            list.last().type = xml.attributes().value(u"type"_s).toString();
            list.last().translation = xml.readElementText();
        }
    }
    return list;
}

const QString translations = QStringLiteral(TRANSLATIONS_DIRECTORY);

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void frenchKeepsKeysBlanksAndMnemonics();
    void onlyWholeFilesHoldTogether_data();
    void onlyWholeFilesHoldTogether();
};

void TestTranslations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("English") << u"LanguageData_en.ts"_s;
    QTest::newRow("French") << u"LanguageData_fr.ts"_s;
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, file);

    // Let lupdate merge today's sources into a copy: a text it adds arrives
    // unfinished, and the copy then differs from the committed file.
    QTemporaryDir folder;
    const QString copy = folder.filePath(file);
    const QByteArray committed = readAll(translations + u'/' + file);
    QVERIFY(writeFile(copy, committed));
    ChildOptions options;
    options.workingDirectory = QStringLiteral(SOURCE_DIRECTORY);
    const ChildResult result = runChild(
            QStringLiteral(LUPDATE_EXECUTABLE),
            {u"-silent"_s, u"-locations"_s, u"none"_s, u"-no-obsolete"_s, u"src"_s, u"-ts"_s, copy},
            options);
    QCOMPARE(result.exitCode, 0);

    QStringList missing;
    const QList<Message> merged = messages(readAll(copy));
    for (const Message &message : merged) {
        if (!message.type.isEmpty() || message.translation.isEmpty())
            missing.append(message.context + u": "_s + message.source);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(u"not translated: "_s + missing.join(u" | ")));
    QVERIFY(merged.size() > 100);
    QVERIFY2(readAll(copy) == committed,
             "the sources changed: cmake --build build --target update_translations");
}

void TestTranslations::frenchKeepsKeysBlanksAndMnemonics()
{
    const QRegularExpression key(u"\\(#[A-Z_0-9]+\\)"_s);
    const QList<Message> french = messages(readAll(translations + u"/LanguageData_fr.ts"_s));
    for (const Message &message : french) {
        const QString where = message.source + u" -> "_s + message.translation;
        // The configuration file keys shown in the info texts stay as they are.
        const QRegularExpressionMatch sourceKey = key.match(message.source);
        if (sourceKey.hasMatch())
            QVERIFY2(message.translation.contains(sourceKey.captured()), qPrintable(where));
        // The list prefixes keep the blank before the number.
        QCOMPARE(message.translation.endsWith(u' '), message.source.endsWith(u' '));
        // A menu entry keeps exactly one mnemonic.
        QCOMPARE(message.translation.count(u'&'), message.source.count(u'&'));
    }
}

void TestTranslations::onlyWholeFilesHoldTogether_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("context");
    QTest::addColumn<bool>("holds");
    const QByteArray french = readAll(QStringLiteral(FRENCH_QM_FILE));
    // The hash table: the section of tag 0x42, found from the one after the magic number.
    qsizetype hashes = 16;
    while (hashes + 5 < french.size() && uchar(french[hashes]) != 0x42)
        hashes += 5 + qFromBigEndian<quint32>(french.constData() + hashes + 1);
    QByteArray sectionPastEnd = french, offsetPastEnd = french, otherMagic = french;
    qToBigEndian(quint32(french.size()), sectionPastEnd.data() + 17);
    qToBigEndian(quint32(french.size()), offsetPastEnd.data() + hashes + 9);
    otherMagic[0] = 'Q';
    // A whole file of one message: "x" in context "Other".
    const QByteArray other = french.first(16)
            + QByteArray::fromHex("42 00000008 00000001 00000000 69 00000012"
                                  "03 00000002 0078 07 00000005 4f74686572 01");

    QTest::newRow("French") << french << "MainWindow"_ba << true;
    QTest::newRow("cut to 20 bytes") << french.first(20) << "MainWindow"_ba << false;
    QTest::newRow("cut to half") << french.first(french.size() / 2) << "MainWindow"_ba << false;
    QTest::newRow("a section past the end") << sectionPastEnd << "MainWindow"_ba << false;
    QTest::newRow("a hash offset past the end") << offsetPastEnd << "MainWindow"_ba << false;
    QTest::newRow("another magic number") << otherMagic << "MainWindow"_ba << false;
    QTest::newRow("no MainWindow translation") << other << "MainWindow"_ba << false;
    QTest::newRow("its own context") << other << "Other"_ba << true;
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
