#pragma once

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

struct Project;

// Pictures of launchers as images of a project. The project file format
// takes bitmap files only, so each picture is kept as a 16x16 bitmap in a
// folder beside the project file, where the catalogue finds it wherever
// its medium is mounted.
class CatalogueIcons {
public:
    CatalogueIcons(Project &project, QString folder);

    // The folder beside a project file that holds its pictures.
    static QString folderFor(const QString &projectFileName);

    // Image index for the picture file (one per file, however often
    // asked); -1 when it cannot be read or its bitmap cannot be stored.
    int imageFor(const QString &iconFile);

    // Picture files whose bitmap could not be stored.
    const QStringList &failed() const { return m_failed; }

    // The picture made 16x16 on the teal that the image list takes as
    // transparent; a null image when the file is no readable picture.
    static QImage tileOf(const QString &iconFile);

private:
    int storeAndAdd(const QString &iconFile);
    QString bitmapFileFor(const QString &iconFile, const QByteArray &bytes) const;

    Project &m_project;
    QString m_folder;
    QHash<QString, int> m_images;
    QStringList m_failed;
};
