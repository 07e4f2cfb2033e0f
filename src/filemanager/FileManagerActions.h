#pragma once

#include "filemanager/FileManagerSelection.h"

#include <QString>

class QWidget;

// What the group selection dialog answers.
struct GroupSelection {
    QString pattern;
    bool excludeFolders = false;
};

// What the file manager's buttons hand over to: the dialogs for copying,
// moving, deleting, making a folder, properties and group selection, the
// text editor and the two extraction dialogs. The default shows the
// "not available" notice for each; the extraction buttons go to the
// installed action hand-over.
class FileManagerActions {
public:
    virtual ~FileManagerActions() = default;

    // Each returns true when the folder may have changed (the list is re-read).
    virtual bool copy(QWidget *owner, const FileManagerSelection &selection);
    virtual bool move(QWidget *owner, const FileManagerSelection &selection);
    virtual bool remove(QWidget *owner, const FileManagerSelection &selection);
    virtual bool makeFolder(QWidget *owner, const QString &folder);
    virtual bool properties(QWidget *owner, const FileManagerSelection &selection);
    // Asks for the pattern to extend the selection by; false when cancelled.
    virtual bool selectGroup(QWidget *owner, const FileManagerSelection &selection, GroupSelection &choice);
    virtual void editFile(QWidget *owner, const QString &fileName);
    virtual void unrar(QWidget *owner, const QString &archive);
    virtual void unzip(QWidget *owner, const QString &archive);
};

// The actions installed for the file manager, or the notices when none is.
FileManagerActions &CurrentFileManagerActions();
// Installs actions (nullptr: the notices) and returns the previous ones.
FileManagerActions *SetFileManagerActions(FileManagerActions *actions);
