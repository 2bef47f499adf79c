#include "gui/windowicon.h"

#include "core/installeddata.h"
#include "core/safefiles.h"

#include <QBuffer>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QtEndian>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// Our icon file is about 40 KiB; a bigger one is not an icon.
constexpr qint64 maximumIconFileSize = 4 * 1024 * 1024;
// The window asks for a few sizes, none above 256 pixels: more images, or
// larger ones, are never looked at.
constexpr int maximumImages = 16;
constexpr int largestSide = 256;

// One image of an icon file: where its bytes lie and its size as the image
// itself, not the directory, gives it.
struct IconImage
{
    QByteArrayView bytes;
    QSize size;
};

// The size an image's own header gives: a PNG's, or the width and doubled
// height of a Windows bitmap.
QSize headerSize(QByteArrayView image)
{
    static constexpr char pngSignature[] = "\x89PNG\r\n\x1a\n";
    if (image.startsWith(QByteArrayView(pngSignature, 8)) && image.size() >= 24)
        return {qFromBigEndian<qint32>(image.data() + 16), qFromBigEndian<qint32>(image.data() + 20)};
    if (image.size() >= 12)
        return {qFromLittleEndian<qint32>(image.data() + 4),
                qFromLittleEndian<qint32>(image.data() + 8) / 2};
    return {};
}

// The usable images of an icon file's directory, without decoding any.
QList<IconImage> iconImages(const QByteArray &data)
{
    QList<IconImage> images;
    if (data.size() < 6 || qFromLittleEndian<quint16>(data.constData() + 2) != 1)
        return images;
    const int count = std::min<int>(qFromLittleEndian<quint16>(data.constData() + 4), maximumImages);
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= data.size(); ++i) {
        const char *entry = data.constData() + 6 + 16 * i;
        const quint32 length = qFromLittleEndian<quint32>(entry + 8);
        const quint32 offset = qFromLittleEndian<quint32>(entry + 12);
        if (offset > quint32(data.size()) || length > quint32(data.size()) - offset)
            continue;
        const QByteArrayView bytes(data.constData() + offset, qsizetype(length));
        const QSize size = headerSize(bytes);
        if (size.width() > 0 && size.height() > 0 && size.width() <= largestSide
            && size.height() <= largestSide)
            images.append({bytes, size});
    }
    std::sort(images.begin(), images.end(), [](const IconImage &a, const IconImage &b) {
        return a.size.width() * a.size.height() < b.size.width() * b.size.height();
    });
    return images;
}

// The window icon from an icon file's bytes: each image is decoded only when
// a size is asked for that it serves best.
class IconFileEngine : public QIconEngine
{
public:
    IconFileEngine(QByteArray data, QList<IconImage> images)
        : m_data(std::move(data)), m_images(std::move(images)), m_decoded(m_images.size())
    {
    }

    QIconEngine *clone() const override { return new IconFileEngine(*this); }
    QString key() const override { return u"tessaro-icon-file"_s; }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const IconImage &image : std::as_const(m_images))
            sizes.append(image.size);
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        return m_images.isEmpty() ? QSize() : fitted(m_images[bestFor(size)].size, size);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        if (m_images.isEmpty())
            return {};
        const int best = bestFor(size);
        if (m_decoded[best].isNull())
            m_decoded[best] = decode(m_images[best].bytes);
        const QSize wanted = fitted(m_decoded[best].size(), size);
        return QPixmap::fromImage(wanted == m_decoded[best].size()
                                          ? m_decoded[best]
                                          : m_decoded[best].scaled(wanted, Qt::IgnoreAspectRatio,
                                                                   Qt::SmoothTransformation));
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

private:
    // An image's size, made smaller where needed to fit into box.
    static QSize fitted(const QSize &image, const QSize &box)
    {
        return image.width() <= box.width() && image.height() <= box.height()
                ? image
                : image.scaled(box, Qt::KeepAspectRatio);
    }

    // The smallest image at least as large as asked, else the largest; the
    // images are in order of size.
    int bestFor(const QSize &size) const
    {
        for (int i = 0; i < int(m_images.size()); ++i) {
            if (m_images[i].size.width() >= size.width() && m_images[i].size.height() >= size.height())
                return i;
        }
        return int(m_images.size()) - 1;
    }

    // One image, read as an icon file holding it alone.
    static QImage decode(QByteArrayView bytes)
    {
        QByteArray single(22, '\0');
        qToLittleEndian<quint16>(1, single.data() + 2);
        qToLittleEndian<quint16>(1, single.data() + 4);
        qToLittleEndian<quint32>(quint32(bytes.size()), single.data() + 6 + 8);
        qToLittleEndian<quint32>(22, single.data() + 6 + 12);
        single += bytes;
        QBuffer buffer(&single);
        return QImageReader(&buffer, "ico").read();
    }

    QByteArray m_data;
    QList<IconImage> m_images; // views into m_data
    QList<QImage> m_decoded;
};

} // namespace

QIcon windowIcon()
{
    // The current directory, where the program always looked; then where an
    // installation keeps it; then the copy built into the program. Only a
    // regular file is read, so that a FIFO of that name cannot hold up the
    // start, and a file offering no image of a size the window uses counts
    // as missing.
    const QString name = u"ico256x256Win.ico"_s;
    for (const QString &path : {name, QString(installedDataFolder() + u'/' + name),
                                QString(u":/icons/"_s + name)}) {
        QByteArray data;
        if (!readRegularFile(path, maximumIconFileSize, Links::Follow, data).ok())
            continue;
        QList<IconImage> images = iconImages(data);
        if (!images.isEmpty())
            return QIcon(new IconFileEngine(std::move(data), std::move(images)));
    }
    return {};
}

} // namespace Tessaro
