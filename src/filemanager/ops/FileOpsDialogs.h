#pragma once

#include <QStringList>

class QWidget;

// The file manager's dialogs, each run modally through the seam with owner
// as parent. folder is the listed folder, names the selected entries in it.
// Those returning bool say whether the listed folder may have changed (the
// list is to be read again).

// Copies (copyMode) or moves the selection.
bool RunCopyMoveDialog(QWidget *owner, const QString &folder, const QStringList &names, bool copyMode);
bool RunDeleteDialog(QWidget *owner, const QString &folder, const QStringList &names);
bool RunMakeFolderDialog(QWidget *owner, const QString &folder);
// listedType is the list's Type text of a single selected item.
bool RunPropertiesDialog(QWidget *owner, const QString &folder, const QStringList &names, const QString &listedType);
// Asks for the pattern that extends the selection; false when cancelled.
bool RunSelectGroupDialog(QWidget *owner, QString &pattern, bool &excludeFolders);
