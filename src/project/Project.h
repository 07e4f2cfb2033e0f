#pragma once

#include "project/ImageList.h"
#include "project/ProjectTree.h"

#include <QStringList>

// One open project: the tree and the project-level data.
struct Project {
    ProjectTree tree;
    QString fileName;
    QString name;
    bool expandItems = false;
    bool useImages = true;
    QStringList imageFiles;
    ImageList images = ImageList::withBuiltins();

    // Gives entries with an automatic image (index 0) the images for their
    // shape: 0/1 with children, 2/3 without.
    void applyAutomaticImages();
};
