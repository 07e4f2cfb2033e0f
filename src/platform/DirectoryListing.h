#pragma once

#include <QString>

#include <functional>

// One pass over a folder's entries with the facts a file list shows, one
// status query per entry. Links are followed for the facts; a broken link is
// reported as itself. Names keep bytes that are not UTF-8 (NativeNames).
namespace DirectoryListing {

struct Item {
    QString name;
    bool isFolder = false;
    bool ownerWritable = true;
    qint64 size = 0;
    // Milliseconds since the epoch (UTC); -1 when the file system keeps none.
    qint64 modifiedMs = -1;
    qint64 createdMs = -1;
    qint64 accessedMs = -1;
    qint64 changedMs = -1; // last change of the entry's status
};

// Calls each for every entry except "." and ".." until it returns false;
// false when the folder cannot be read.
bool list(const QString &folder, const std::function<bool(const Item &item)> &each);

// The facts of the entry at path, as list() gives them; false when there is
// none.
bool query(const QString &path, Item &item);

} // namespace DirectoryListing
