#include "project/ImageList.h"

#include "platform/FileSystem.h"

#include <QImageReader>

namespace {
constexpr QRgb kTeal = qRgb(0, 128, 128);
} // namespace

ImageList ImageList::withBuiltins()
{
    static const QList<QImage> builtins = [] {
        QList<QImage> images;
        for (int i = 1; i <= kBuiltinCount; ++i) {
            const QString name = QStringLiteral(":/images/tree%1.bmp").arg(i, 3, 10, QLatin1Char('0'));
            QImage bitmap(name);
            images.append(bitmap.isNull() ? QImage(kSize, kSize, QImage::Format_ARGB32) : lastTileMasked(bitmap));
        }
        return images;
    }();
    ImageList list;
    list.m_images = builtins;
    return list;
}

bool ImageList::addBitmapFile(const QString &fileName)
{
    QFile file;
    if (!FileSystem::openRegularFile(file, fileName))
        return false;
    QImageReader reader(&file, "bmp");
    const QImage bitmap = reader.read();
    if (bitmap.isNull())
        return false;
    add(lastTileMasked(bitmap));
    return true;
}

void ImageList::add(const QImage &image)
{
    m_images.append(image);
}

void ImageList::removeAt(int index)
{
    m_images.removeAt(index);
}

void ImageList::move(int from, int to)
{
    m_images.move(from, to);
}

QImage ImageList::lastTileMasked(const QImage &bitmap)
{
    const int tiles = qMax(1, bitmap.width() / kSize);
    QImage tile(kSize, kSize, QImage::Format_ARGB32);
    tile.fill(Qt::transparent);
    const QImage source = bitmap.convertToFormat(QImage::Format_RGB32);
    const int left = (tiles - 1) * kSize;
    for (int y = 0; y < kSize && y < source.height(); ++y) {
        for (int x = 0; x < kSize && left + x < source.width(); ++x) {
            const QRgb pixel = source.pixel(left + x, y) | 0xFF000000u;
            tile.setPixel(x, y, pixel == kTeal ? qRgba(0, 0, 0, 0) : pixel);
        }
    }
    return tile;
}
