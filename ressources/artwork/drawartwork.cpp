// Draws the program's own artwork into the folder given as argument:
// ressources/CheckAll.png, ressources/UnCheckAll.png,
// ressources/GenerateUnits.png, ressources/WriteCards.png,
// ressources/About.png, the window icon
// ico256x256Win.ico, the Windows program icon windows/tessaro.ico and the
// desktop icons icons/tessaro-<size>.png. The 16-pixel images follow
// the look of the Silk icons they sit beside: soft gradients, a darker outline,
// a light rim.
//
//   cmake --build build --target draw_artwork

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A gear wheel centred on the origin: teeth with sloped flanks, a hub hole.
QPainterPath gearPath(qreal outerRadius, qreal rootRadius, qreal holeRadius, int teeth)
{
    QPainterPath path;
    const qreal step = 2 * M_PI / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step - M_PI / 2;
        const QPointF points[] = {
                QPointF(rootRadius * qCos(a - step * 0.30), rootRadius * qSin(a - step * 0.30)),
                QPointF(outerRadius * qCos(a - step * 0.17), outerRadius * qSin(a - step * 0.17)),
                QPointF(outerRadius * qCos(a + step * 0.17), outerRadius * qSin(a + step * 0.17)),
                QPointF(rootRadius * qCos(a + step * 0.30), rootRadius * qSin(a + step * 0.30)),
        };
        if (i == 0)
            path.moveTo(points[0]);
        else
            path.lineTo(points[0]);
        for (int p = 1; p < 4; ++p)
            path.lineTo(points[p]);
        path.arcTo(QRectF(-rootRadius, -rootRadius, 2 * rootRadius, 2 * rootRadius),
                   -qRadiansToDegrees(a + step * 0.30), -qRadiansToDegrees(step * 0.40));
    }
    path.closeSubpath();
    path.addEllipse(QPointF(0, 0), holeRadius, holeRadius);
    path.setFillRule(Qt::OddEvenFill);
    return path;
}

void drawGear(QPainter &painter, QPointF centre, qreal outerRadius, int teeth, qreal outline,
              bool withRing = true)
{
    const qreal root = outerRadius * (withRing ? 0.78 : 0.72);
    const QPainterPath gear = gearPath(outerRadius, root, outerRadius * 0.30, teeth);
    painter.save();
    painter.translate(centre);
    QLinearGradient metal(-outerRadius, -outerRadius, outerRadius, outerRadius);
    metal.setColorAt(0.0, QColor(0xf4, 0xf6, 0xf8));
    metal.setColorAt(0.45, QColor(0xc9, 0xce, 0xd4));
    metal.setColorAt(1.0, QColor(0x8a, 0x92, 0x9c));
    painter.setPen(
            QPen(QColor(0x5d, 0x64, 0x6d), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(metal);
    painter.drawPath(gear);
    if (!withRing) {
        painter.restore();
        return;
    }
    // A raised ring around the hub gives the wheel some depth.
    const qreal ring = outerRadius * 0.52;
    QRadialGradient hub(QPointF(-ring * 0.3, -ring * 0.3), ring * 1.4);
    hub.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
    hub.setColorAt(1.0, QColor(0xa4, 0xab, 0xb4));
    painter.setBrush(hub);
    painter.setPen(QPen(QColor(0x7a, 0x82, 0x8c), outline * 0.8));
    QPainterPath ringPath;
    ringPath.addEllipse(QPointF(0, 0), ring, ring);
    ringPath.addEllipse(QPointF(0, 0), outerRadius * 0.30, outerRadius * 0.30);
    ringPath.setFillRule(Qt::OddEvenFill);
    painter.drawPath(ringPath);
    painter.restore();
}

// A yellow pencil lying along the x axis, its point at the origin facing left.
void drawPencil(QPainter &painter, QPointF tip, qreal angleDegrees, qreal length, qreal width,
                qreal outline)
{
    painter.save();
    painter.translate(tip);
    painter.rotate(angleDegrees);
    const qreal half = width / 2;
    const qreal cone = width * 1.25;
    const qreal ferrule = width * 0.55;
    const qreal eraser = width * 0.75;
    const QPen pen(QColor(0x6b, 0x4a, 0x12), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    QLinearGradient body(0, -half, 0, half);
    body.setColorAt(0.0, QColor(0xff, 0xf1, 0x9c));
    body.setColorAt(0.5, QColor(0xf8, 0xc8, 0x2c));
    body.setColorAt(1.0, QColor(0xd9, 0x96, 0x12));
    painter.setPen(pen);
    painter.setBrush(body);
    painter.drawRect(QRectF(cone, -half, length - cone - ferrule - eraser, width));

    QLinearGradient wood(0, -half, 0, half);
    wood.setColorAt(0.0, QColor(0xfb, 0xe3, 0xc0));
    wood.setColorAt(1.0, QColor(0xd2, 0xa6, 0x6e));
    painter.setBrush(wood);
    QPolygonF woodCone;
    woodCone << QPointF(0, 0) << QPointF(cone, -half) << QPointF(cone, half);
    painter.drawPolygon(woodCone);
    painter.setBrush(QColor(0x3a, 0x3a, 0x40));
    QPolygonF lead;
    lead << QPointF(0, 0) << QPointF(cone * 0.38, -half * 0.38)
         << QPointF(cone * 0.38, half * 0.38);
    painter.drawPolygon(lead);

    QLinearGradient metal(0, -half, 0, half);
    metal.setColorAt(0.0, QColor(0xf2, 0xf2, 0xf2));
    metal.setColorAt(0.5, QColor(0xb8, 0xbc, 0xc2));
    metal.setColorAt(1.0, QColor(0x80, 0x86, 0x8e));
    painter.setBrush(metal);
    const qreal ferruleStart = length - ferrule - eraser;
    painter.drawRect(QRectF(ferruleStart, -half, ferrule, width));

    QLinearGradient rubber(0, -half, 0, half);
    rubber.setColorAt(0.0, QColor(0xfb, 0xb4, 0xb4));
    rubber.setColorAt(1.0, QColor(0xd8, 0x6a, 0x6a));
    painter.setBrush(rubber);
    painter.drawRoundedRect(QRectF(ferruleStart + ferrule, -half, eraser, width), width * 0.3,
                            width * 0.3);
    painter.restore();
}

// A 16-pixel check box, ticked or empty, in the style of the Silk set.
QImage checkBoxIcon(bool ticked)
{
    QImage image = transparentImage(16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A second box peeks out behind the first: the command acts on every row.
    const auto box = [&painter](const QRectF &rect, bool front) {
        QLinearGradient fill(rect.topLeft(), rect.bottomRight());
        fill.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
        fill.setColorAt(1.0, front ? QColor(0xd5, 0xe2, 0xf2) : QColor(0xc4, 0xd2, 0xe6));
        painter.setPen(QPen(front ? QColor(0x4b, 0x6f, 0xa8) : QColor(0x7b, 0x95, 0xbf), 1.0));
        painter.setBrush(fill);
        painter.drawRoundedRect(rect, 1.5, 1.5);
    };
    box(QRectF(5.5, 0.5, 10, 10), false);
    box(QRectF(0.5, 4.5, 11, 11), true);

    if (ticked) {
        QPainterPath tick;
        tick.moveTo(2.6, 9.6);
        tick.lineTo(5.3, 12.4);
        tick.lineTo(10.4, 5.6);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
                QPen(QColor(0x2a, 0x7a, 0x1c), 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
        painter.setPen(
                QPen(QColor(0x6c, 0xc4, 0x4a), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(tick);
    }
    return image;
}

// A 16-pixel stack of three pages with a gear wheel on the front one: a
// configuration file for each of several units.
QImage severalUnitsIcon()
{
    QImage image = transparentImage(16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int page = 0; page < 3; ++page) {
        const QRectF rect(0.5 + 2 * page, 0.5 + 2 * page, 9, 11);
        QLinearGradient paper(rect.topLeft(), rect.bottomRight());
        paper.setColorAt(0.0, QColor(0xff, 0xff, 0xff));
        paper.setColorAt(1.0, page == 2 ? QColor(0xe4, 0xea, 0xf2) : QColor(0xcf, 0xd8, 0xe4));
        painter.setPen(QPen(QColor(0x7d, 0x8a, 0x9c), 1.0));
        painter.setBrush(paper);
        painter.drawRect(rect);
    }
    painter.setPen(QPen(QColor(0xa6, 0xb2, 0xc2), 1.0));
    for (qreal y = 7.5; y < 12; y += 2)
        painter.drawLine(QPointF(6, y), QPointF(11, y));
    drawGear(painter, QPointF(11.5, 11.5), 4.3, 7, 0.8, false);
    return image;
}

// Write to Cards: a memory card, its corner cut and its contacts showing,
// with a small gear wheel.
QImage cardsIcon()
{
    QImage image = transparentImage(16, 16);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.moveTo(4.5, 0.5);
    card.lineTo(12.5, 0.5);
    card.lineTo(12.5, 15.5);
    card.lineTo(1.5, 15.5);
    card.lineTo(1.5, 3.5);
    card.closeSubpath();
    QLinearGradient body(QPointF(1, 0), QPointF(13, 16));
    body.setColorAt(0.0, QColor(0x6f, 0x86, 0xa8));
    body.setColorAt(1.0, QColor(0x34, 0x48, 0x66));
    painter.setPen(QPen(QColor(0x22, 0x2f, 0x44), 1.0));
    painter.setBrush(body);
    painter.drawPath(card);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xe8, 0xc8, 0x5a));
    for (qreal x = 4; x < 12; x += 2)
        painter.drawRect(QRectF(x, 1.5, 1, 3));
    drawGear(painter, QPointF(11.5, 11.5), 4.3, 7, 0.8, false);
    return image;
}

// The About picture: a large gear wheel with a pencil across it.
QImage aboutPicture()
{
    QImage image = transparentImage(128, 192);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient shadow(QPointF(64, 170), 52);
    shadow.setColorAt(0.0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(QPointF(64, 170), 52, 10);
    drawGear(painter, QPointF(64, 88), 58, 10, 2.4);
    drawPencil(painter, QPointF(14, 166), -52, 150, 22, 2.2);
    return image;
}

// The program icon at one size: the About picture's gear and pencil, squared.
QImage programIcon(int size)
{
    QImage image = transparentImage(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (size <= 16) {
        // Too few pixels for the ring and ten teeth: a plainer wheel, a slimmer pencil.
        drawGear(painter, QPointF(9, 7), 6.8, 7, 1.0, false);
        drawPencil(painter, QPointF(1.0, 15.0), -45, 17, 3.8, 0.9);
        return image;
    }
    const qreal s = size / 256.0;
    // Small images need relatively thicker outlines to stay crisp.
    const qreal outline = size <= 32 ? 1.3 : 6.0 * s + 0.6;
    drawGear(painter, QPointF(118 * s, 116 * s), 108 * s, 10, outline);
    drawPencil(painter, QPointF(22 * s, 236 * s), -45, 250 * s, 52 * s, outline);
    return image;
}

QByteArray pngData(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

// One image of an icon file and the colour depth it is stored in.
struct IconImage
{
    QImage image;
    int bitsPerPixel; // 4, 8 or 32
};

// The 16 colours of the standard Windows palette.
QList<QRgb> sixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

// The image's colours as palette indexes. Transparent pixels become index 0
// (black): the icon's mask hides them.
QImage paletted(const QImage &source, int bitsPerPixel)
{
    QImage opaque(source.size(), QImage::Format_RGB32);
    opaque.fill(Qt::black);
    QPainter painter(&opaque);
    painter.drawImage(0, 0, source);
    painter.end();
    if (bitsPerPixel == 4)
        return opaque.convertToFormat(QImage::Format_Indexed8, sixteenColours(),
                                      Qt::ThresholdDither);
    QImage indexed = opaque.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    QList<QRgb> table = indexed.colorTable();
    table.resize(256, qRgb(0, 0, 0));
    indexed.setColorTable(table);
    return indexed;
}

// An image as an icon file holds it in DIB form: the header gives twice the
// height (colour rows, then the transparency mask), rows are stored bottom up
// and padded to four bytes.
QByteArray dibData(const IconImage &icon)
{
    const QImage argb = icon.image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    const int height = argb.height();
    const int bits = icon.bitsPerPixel;
    const QImage indexed = bits == 32 ? QImage() : paletted(argb, bits);
    const int colours = bits == 32 ? 0 : 1 << bits;
    const int stride = ((width * bits + 31) / 32) * 4;
    const int maskStride = ((width + 31) / 32) * 4;

    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(40) << qint32(width) << qint32(2 * height) << quint16(1) << quint16(bits)
        << quint32(0) << quint32((stride + maskStride) * height) << qint32(0) << qint32(0)
        << quint32(colours) << quint32(0);
    if (colours) {
        const QList<QRgb> table = indexed.colorTable();
        for (int i = 0; i < colours; ++i)
            out << quint8(qBlue(table[i])) << quint8(qGreen(table[i])) << quint8(qRed(table[i]))
                << quint8(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < width; ++x) {
            if (bits == 32) {
                const QRgb pixel = argb.pixel(x, y);
                row[4 * x] = char(qBlue(pixel));
                row[4 * x + 1] = char(qGreen(pixel));
                row[4 * x + 2] = char(qRed(pixel));
                row[4 * x + 3] = char(qAlpha(pixel));
            } else if (bits == 8) {
                row[x] = char(indexed.pixelIndex(x, y));
            } else {
                const int index = indexed.pixelIndex(x, y);
                row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
            }
        }
        out.writeRawData(row.constData(), int(row.size()));
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(argb.pixel(x, y)) < 128)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        out.writeRawData(mask.constData(), int(mask.size()));
    }
    return data;
}

// An icon file: a 256-pixel image stored as PNG, the others as DIBs, which
// every reader of icon files understands.
bool writeIcon(const QString &path, const QList<IconImage> &icons)
{
    QList<QByteArray> payloads;
    for (const IconImage &icon : icons)
        payloads.append(icon.image.width() >= 256 ? pngData(icon.image) : dibData(icon));
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(icons.size());
    quint32 offset = 6 + 16 * quint32(icons.size());
    for (int i = 0; i < icons.size(); ++i) {
        const int size = icons[i].image.width();
        const int bits = icons[i].bitsPerPixel;
        out << quint8(size >= 256 ? 0 : size) << quint8(size >= 256 ? 0 : size)
            << quint8(bits == 4 ? 16 : 0) << quint8(0) << quint16(1) << quint16(bits)
            << quint32(payloads[i].size()) << offset;
        offset += quint32(payloads[i].size());
    }
    for (const QByteArray &payload : payloads)
        out.writeRawData(payload.constData(), int(payload.size()));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <ressources folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = save(checkBoxIcon(true), folder.filePath(QStringLiteral("ressources/CheckAll.png")))
            && save(checkBoxIcon(false),
                    folder.filePath(QStringLiteral("ressources/UnCheckAll.png")))
            && save(severalUnitsIcon(),
                    folder.filePath(QStringLiteral("ressources/GenerateUnits.png")))
            && save(cardsIcon(), folder.filePath(QStringLiteral("ressources/WriteCards.png")))
            && save(aboutPicture(), folder.filePath(QStringLiteral("ressources/About.png")));
    // The window icon, and the program file's icon on Windows: 16 colours for
    // the oldest displays, 256 colours, and true colour with transparency.
    QList<IconImage> window;
    for (int size : {256, 48, 32, 16})
        window.append({programIcon(size), 32});
    QList<IconImage> program;
    for (int size : {32, 16})
        program.append({programIcon(size), 4});
    for (int size : {48, 32, 16})
        program.append({programIcon(size), 8});
    program += window;
    ok = ok && writeIcon(folder.filePath(QStringLiteral("ico256x256Win.ico")), window)
            && writeIcon(folder.filePath(QStringLiteral("windows/tessaro.ico")), program);
    // The desktop's icon theme sizes.
    for (int size : {16, 32, 48, 64, 128, 256})
        ok = ok && save(programIcon(size), folder.filePath(u"icons/tessaro-%1.png"_s.arg(size)));
    return ok ? 0 : 1;
}
