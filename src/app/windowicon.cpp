#include "app/windowicon.h"

#include "app/installeddata.h"
#include "app/safefiles.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>

using namespace Qt::StringLiterals;

namespace Tessaro {

namespace {

// Our icon file is about 100 KiB; a bigger one is not an icon.
constexpr qint64 maximumIconFileSize = 4 * 1024 * 1024;

// Every image of an icon file's content; an icon without images when the
// content is none.
QIcon iconFromData(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    QIcon icon;
    for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i)
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    return icon;
}

} // namespace

QIcon windowIcon()
{
    // The current directory, where the program always looked; then where an
    // installation keeps it; then the copy built into the program. Only a
    // regular file is read, so that a FIFO of that name cannot hold up the
    // start.
    const QString name = u"ico256x256Win.ico"_s;
    for (const QString &path : {name, QString(installedDataFolder() + u'/' + name)}) {
        QByteArray data;
        if (!readRegularFile(path, maximumIconFileSize, Links::Follow, data).ok())
            continue;
        if (const QIcon icon = iconFromData(data); !icon.availableSizes().isEmpty())
            return icon;
    }
    return QIcon(u":/icons/"_s + name);
}

} // namespace Tessaro
