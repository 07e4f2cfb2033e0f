#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The entries of a folder as the file operations see them: hidden ones
// included, a link always as the link itself, never as what it points to.
struct FolderEntry {
    QString name;
    QString path;
    bool folder = false; // a real folder, not a link to one
    bool link = false;
};

// Entries of folder in the order the system lists them; empty when the
// folder cannot be read.
QList<FolderEntry> ListFolder(const QString &folder);

// The entry named name in folder (a link counts as a file).
FolderEntry EntryAt(const QString &folder, const QString &name);

// A folder, not a link to one.
bool IsRealFolder(const QString &path);

// Subfolders whose name begins with "." are neither counted nor copied.
bool IsSkippedSubfolder(const QString &name);

// folder + "/" + name without doubling the separator.
QString JoinPath(const QString &folder, const QString &name);

// Bytes of the selected names in folder: files their own size, folders
// every file below them outside skipped subfolders.
qint64 SelectionSize(const QString &folder, const QStringList &names);
