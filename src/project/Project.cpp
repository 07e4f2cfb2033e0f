#include "project/Project.h"

void Project::applyAutomaticImages()
{
    for (ProjectEntry *entry : tree.preOrder()) {
        if (entry->imageIndex != 0 && entry->selectedImageIndex != 0)
            continue;
        const int base = entry->hasChildren() ? 0 : 2;
        entry->imageIndex = base;
        entry->selectedImageIndex = base + 1;
    }
}
