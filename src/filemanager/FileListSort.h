#pragma once

#include "filemanager/FileListEntry.h"

#include <QStringList>

// Order of the file list: folders first whatever the direction; then by the
// key, names breaking ties; descending reverses that; the time columns sort
// newest first when ascending.
// typeNames gives the type text for an entry's typeIndex.
bool FileEntryLess(const FileListEntry &a, const FileListEntry &b, FileInfo key, bool descending,
                   const QStringList &typeNames);

void SortFileEntries(QList<FileListEntry> &entries, FileInfo key, bool descending, const QStringList &typeNames);
