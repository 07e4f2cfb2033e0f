#pragma once

#include <QString>
#include <QStringList>

class ProjectEntry;
struct Project;

// What the entry edit dialog needs of the window that opens it: the
// project, the selected entry, the main comment and command fields, and
// ways to tell the window what was changed.
class ItemEditHost {
public:
    virtual ~ItemEditHost() = default;

    virtual Project &project() = 0;
    virtual ProjectEntry *selectedEntry() = 0;
    virtual QStringList commentFieldLines() = 0;
    virtual QString commandFieldText() = 0;

    // Title or images of entry changed.
    virtual void entryDisplayChanged(ProjectEntry *entry) = 0;
    // Whether the tree shows images (a property of the project).
    virtual void setImagesShown(bool shown) = 0;
    // The image list editor changed the project's images.
    virtual void imagesEdited() = 0;
    virtual void markModified() = 0;
    // The entry's command line, and with commentReplaced its comment, were
    // stored: the window shows the selected entry again without writing its
    // own fields back over them.
    virtual void showStoredEntry(bool commentReplaced) = 0;
};
