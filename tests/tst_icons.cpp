// The icon files the program ships: the window icon and, for Windows, the
// program file's icon group, image by image, size and colour depth.

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct Entry
{
    int size;
    int bitsPerPixel;
    bool png;
};

// The images of an icon file as its directory and image headers describe them.
QList<Entry> entries(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    QDataStream in(data);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 reserved = 0, type = 0, count = 0;
    in >> reserved >> type >> count;
    if (reserved != 0 || type != 1)
        return {};
    QList<Entry> list;
    for (int i = 0; i < count; ++i) {
        quint8 width = 0, height = 0, colours = 0, zero = 0;
        quint16 planes = 0, bits = 0;
        quint32 bytes = 0, offset = 0;
        in >> width >> height >> colours >> zero >> planes >> bits >> bytes >> offset;
        const QByteArray image = data.mid(offset, bytes);
        const int size = width ? width : 256;
        if (image.startsWith("\x89PNG")) {
            const QImage png = QImage::fromData(image, "PNG");
            list.append({png.width() == size && png.height() == size ? size : -1, bits, true});
            continue;
        }
        // A DIB: its header repeats the size (the height counts the mask too)
        // and the depth, and a palette of 2^depth colours for 4 and 8 bits.
        QDataStream header(image);
        header.setByteOrder(QDataStream::LittleEndian);
        quint32 headerSize = 0, compression = 0, imageSize = 0, used = 0;
        qint32 dibWidth = 0, dibHeight = 0;
        quint16 dibPlanes = 0, dibBits = 0;
        header >> headerSize >> dibWidth >> dibHeight >> dibPlanes >> dibBits >> compression
                >> imageSize;
        header.skipRawData(8);
        header >> used;
        const bool consistent = headerSize == 40 && dibWidth == size && dibHeight == 2 * size
                && dibBits == bits && compression == 0
                && (bits == 32 ? used == 0 : used == (1u << bits))
                && colours == (bits == 4 ? 16 : 0);
        list.append({consistent ? size : -1, dibBits, false});
    }
    return list;
}

const QString ressources = QStringLiteral(RESSOURCES_DIRECTORY);

} // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void iconFiles_data();
    void iconFiles();
    void desktopIcons_data();
    void desktopIcons();
};

void TestIcons::iconFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("images"); // size/bits, "png" for a PNG image

    QTest::newRow("window icon") << u"ico256x256Win.ico"_s << u"256/32png 48/32 32/32 16/32"_s;
    QTest::newRow("Windows program icon")
            << u"windows/tessaro.ico"_s
            << u"32/4 16/4 48/8 32/8 16/8 256/32png 48/32 32/32 16/32"_s;
}

void TestIcons::iconFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, images);

    const QString path = ressources + u'/' + file;
    QStringList found;
    const QList<Entry> list = entries(path);
    for (const Entry &entry : list)
        found.append(u"%1/%2%3"_s.arg(entry.size)
                             .arg(entry.bitsPerPixel)
                             .arg(entry.png ? u"png"_s : QString()));
    QCOMPARE(found.join(u' '), images);

    // Qt's own reader, which windows and windeployqt rely on, reads them all.
    QImageReader reader(path);
    QCOMPARE(reader.imageCount(), int(list.size()));
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        QCOMPARE(reader.read().width(), list[i].size);
    }
}

void TestIcons::desktopIcons_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 32, 48, 64, 128, 256})
        QTest::addRow("%d", size) << size;
}

void TestIcons::desktopIcons()
{
    QFETCH(int, size);
    const QImage image(ressources + u"/icons/tessaro-%1.png"_s.arg(size));
    QCOMPARE(image.size(), QSize(size, size));
    QVERIFY(image.hasAlphaChannel());
}

QTEST_GUILESS_MAIN(TestIcons)
#include "tst_icons.moc"
