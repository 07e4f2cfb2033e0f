#pragma once

#include <QImage>
#include <QList>

// The tree's images: 20 built-in 16x16 pictures, then one per image file of
// the project. Indexes 0-3 are the automatic images.
class ImageList {
public:
    static constexpr int kBuiltinCount = 20;
    static constexpr int kSize = 16;

    // A list holding the built-in images.
    static ImageList withBuiltins();

    int count() const { return static_cast<int>(m_images.size()); }
    const QImage &image(int index) const { return m_images.at(index); }
    const QList<QImage> &images() const { return m_images; }

    // Loads a bitmap and adds its last 16-pixel tile with teal made
    // transparent; false when the file cannot be loaded as a bitmap.
    bool addBitmapFile(const QString &fileName);
    void add(const QImage &image);
    void removeAt(int index);
    void move(int from, int to);

    // Cuts a loaded bitmap to the last 16x16 tile of its strip and masks
    // teal (0,128,128).
    static QImage lastTileMasked(const QImage &bitmap);

private:
    QList<QImage> m_images;
};
