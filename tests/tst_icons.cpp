// The icon files the program ships: the window icon and, for Windows, the
// program file's icon group, as Qt's own reader (which windows and
// windeployqt rely on) sees them.

#include "support/files.h"

#include <QImage>
#include <QImageReader>
#include <QTest>

using namespace Qt::StringLiterals;

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void iconFiles_data();
    void iconFiles();
};

void TestIcons::iconFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("images"); // size/bits of each image
    QTest::newRow("window icon") << u"ico256x256Win.ico"_s << u"256/32 48/32 32/32 16/32"_s;
    QTest::newRow("Windows program icon")
            << u"windows/tessaro.ico"_s << u"32/4 16/4 48/8 32/8 16/8 256/32 48/32 32/32 16/32"_s;
    QTest::newRow("desktop icons")
            << u"icons/tessaro-%1.png"_s << u"16/32 32/32 48/32 64/32 128/32 256/32"_s;
}

void TestIcons::iconFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, images);
    QStringList found;
    const QString path = QStringLiteral(RESSOURCES_DIRECTORY) + u'/' + file;
    if (file.contains(u"%1")) {
        for (int size : {16, 32, 48, 64, 128, 256}) {
            const QImage image(path.arg(size));
            found.append(u"%1/%2"_s.arg(image.width() == size && image.height() == size ? size : -1)
                                 .arg(image.hasAlphaChannel() ? 32 : 0));
        }
    } else {
        // Each image as Qt reads it, with the depth its directory entry gives.
        const QByteArray data = TestSupport::readAll(path);
        QImageReader reader(path);
        for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
            const auto *entry = reinterpret_cast<const uchar *>(data.constData()) + 6 + 16 * i;
            found.append(u"%1/%2"_s.arg(reader.read().width()).arg(entry[6] | entry[7] << 8));
        }
    }
    QCOMPARE(found.join(u' '), images);
}

QTEST_GUILESS_MAIN(TestIcons)
#include "tst_icons.moc"
