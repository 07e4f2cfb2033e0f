#include "tree/scan/CatalogueIcons.h"

#include "platform/FileSystem.h"
#include "platform/SafeSave.h"
#include "project/Project.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <sys/stat.h>

namespace {

constexpr QRgb kTeal = qRgb(0, 128, 128);
constexpr QRgb kNearTeal = qRgb(0, 128, 129);
constexpr int kMaximumVariants = 1000;

QByteArray bitmapBytes(const QImage &tile)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return tile.save(&buffer, "BMP") ? bytes : QByteArray();
}

QByteArray fileBytes(const QString &path)
{
    QFile file;
    if (!FileSystem::openRegularFile(file, path))
        return {};
    return file.readAll();
}

// Anything of that name, a dangling link included.
bool nameTaken(const QString &path)
{
    struct stat facts;
    return ::lstat(QFile::encodeName(path).constData(), &facts) == 0;
}

bool writeNewFile(const QString &path, const QByteArray &bytes)
{
    SafeSave file(path);
    if (!file.open() || !file.write(bytes) || !file.commit()) {
        file.cancel();
        return false;
    }
    return true;
}

} // namespace

CatalogueIcons::CatalogueIcons(Project &project, QString folder)
    : m_project(project)
    , m_folder(std::move(folder))
{
}

QString CatalogueIcons::folderFor(const QString &projectFileName)
{
    return QFileInfo(projectFileName).absolutePath() + QStringLiteral("/Symbole");
}

QImage CatalogueIcons::tileOf(const QString &iconFile)
{
    QFile file;
    if (!FileSystem::openRegularFile(file, iconFile))
        return {};
    QImageReader reader(&file);
    const QImage picture = reader.read();
    if (picture.isNull())
        return {};
    constexpr int size = 16;
    const QImage scaled = picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    QImage tile(size, size, QImage::Format_RGB32);
    tile.fill(kTeal);
    const int left = (size - scaled.width()) / 2;
    const int top = (size - scaled.height()) / 2;
    for (int y = 0; y < scaled.height(); ++y) {
        for (int x = 0; x < scaled.width(); ++x) {
            const QRgb pixel = scaled.pixel(x, y);
            if (qAlpha(pixel) < 128)
                continue;
            const QRgb opaque = qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
            tile.setPixel(left + x, top + y, opaque == kTeal ? kNearTeal : opaque);
        }
    }
    return tile;
}

int CatalogueIcons::imageFor(const QString &iconFile)
{
    const auto known = m_images.constFind(iconFile);
    if (known != m_images.cend())
        return *known;
    const int image = storeAndAdd(iconFile);
    m_images.insert(iconFile, image);
    return image;
}

int CatalogueIcons::storeAndAdd(const QString &iconFile)
{
    const QByteArray bytes = bitmapBytes(tileOf(iconFile));
    if (bytes.isEmpty())
        return -1;
    const QString bitmap = bitmapFileFor(iconFile, bytes);
    const bool stored =
        !bitmap.isEmpty() && (nameTaken(bitmap) || (QDir().mkpath(m_folder) && writeNewFile(bitmap, bytes)));
    if (!stored) {
        m_failed.append(iconFile);
        return -1;
    }
    const qsizetype listed = m_project.imageFiles.indexOf(bitmap);
    if (listed >= 0 && m_project.images.count() == ImageList::kBuiltinCount + m_project.imageFiles.size())
        return ImageList::kBuiltinCount + int(listed);
    if (!m_project.images.addBitmapFile(bitmap)) {
        m_failed.append(iconFile);
        return -1;
    }
    m_project.imageFiles.append(bitmap);
    return m_project.images.count() - 1;
}

// The picture's name with ".bmp": a free name, or a file that holds these
// bytes already; a name taken by other content gets a number added. Empty
// when no name is left.
QString CatalogueIcons::bitmapFileFor(const QString &iconFile, const QByteArray &bytes) const
{
    const QString base = m_folder + QLatin1Char('/') + QFileInfo(iconFile).completeBaseName();
    for (int variant = 1; variant <= kMaximumVariants; ++variant) {
        const QString candidate =
            variant == 1 ? base + QStringLiteral(".bmp") : base + QStringLiteral("-%1.bmp").arg(variant);
        if (!nameTaken(candidate) || fileBytes(candidate) == bytes)
            return candidate;
    }
    return {};
}
