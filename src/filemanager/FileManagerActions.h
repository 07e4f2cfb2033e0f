#pragma once

#include "filemanager/FileManagerSelection.h"

#include <QString>

class QWidget;

// What the file manager's buttons hand over to: the dialogs for copying,
// moving, deleting, making a folder, properties and group selection, the
// text editor and the two extraction dialogs. The default shows the
// "not available" notice for each.
class FileManagerActions {
public:
    virtual ~FileManagerActions() = default;

    // Each returns true when the folder may have changed (the list is re-read).
    virtual bool copy(QWidget *owner, const FileManagerSelection &selection);
    virtual bool move(QWidget *owner, const FileManagerSelection &selection);
    virtual bool remove(QWidget *owner, const FileManagerSelection &selection);
    virtual bool makeFolder(QWidget *owner, const QString &folder);
    virtual bool properties(QWidget *owner, const FileManagerSelection &selection);
    // Returns the pattern to select by, empty when cancelled.
    virtual QString selectGroup(QWidget *owner, const FileManagerSelection &selection);
    virtual void editFile(QWidget *owner, const QString &fileName);
    virtual void unrar(QWidget *owner, const QString &archive);
    virtual void unzip(QWidget *owner, const QString &archive);
};
