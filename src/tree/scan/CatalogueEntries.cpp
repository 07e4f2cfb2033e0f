#include "tree/scan/CatalogueEntries.h"

#include "common/CommandLinePaths.h"
#include "project/ProjectTree.h"
#include "tree/TreeEditing.h"
#include "tree/scan/CatalogueItem.h"

QSet<QString> ExpandedCommandLines(const ProjectTree &tree, const QString &drive)
{
    QSet<QString> lines;
    for (const ProjectEntry *entry : tree.preOrder()) {
        QString line = entry->record.command;
        if (ExpandCommandLine(drive, line) >= ExpandWords)
            lines.insert(line);
    }
    return lines;
}

namespace {

void setImages(ProjectEntry &entry, int image)
{
    if (image >= 0) {
        entry.imageIndex = entry.selectedImageIndex = image;
    } else {
        entry.imageIndex = entry.hasChildren() ? 0 : 2;
        entry.selectedImageIndex = entry.hasChildren() ? 1 : 3;
    }
}

} // namespace

qint64 AppendCatalogueEntries(const CatalogueItem &root, ProjectTree &tree, ProjectEntry *parent,
                              const CatalogueImageLookup &imageFor)
{
    qint64 added = 0;
    for (const auto &item : root.children()) {
        if (!item->checked) {
            added += AppendCatalogueEntries(*item, tree, parent, imageFor);
            continue;
        }
        auto entry = std::make_unique<ProjectEntry>(item->title);
        entry->record.action = static_cast<quint8>(item->action());
        entry->record.command = item->command;
        entry->record.comment = item->comment();
        ProjectEntry *appended = tree.append(parent, std::move(entry));
        added += 1 + AppendCatalogueEntries(*item, tree, appended, imageFor);
        setImages(*appended, item->iconFile.isEmpty() ? -1 : imageFor(item->iconFile));
    }
    return added;
}

ProjectEntry *MoveCatalogueEntries(ProjectTree &staging, ProjectTree &tree, ProjectEntry *parent,
                                   TreeChangeListener &listener)
{
    ProjectEntry *target = parent ? parent : tree.root();
    if (staging.isEmpty())
        return nullptr;
    if (parent && TreeEditor::hasAutomaticLeafImages(parent)) {
        parent->imageIndex = 0;
        parent->selectedImageIndex = 1;
        listener.entryChanged(parent);
    }
    // Taken from the end and appended, so that no level is shifted.
    std::vector<std::unique_ptr<ProjectEntry>> entries;
    while (!staging.isEmpty())
        entries.push_back(staging.take(staging.root()->child(staging.topLevelCount() - 1)));
    ProjectEntry *first = nullptr;
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const int row = target->childCount();
        listener.beginInsertEntry(target, row);
        ProjectEntry *moved = tree.insert(parent, row, std::move(*entry));
        listener.endInsertEntry();
        if (!first)
            first = moved;
    }
    return first;
}
