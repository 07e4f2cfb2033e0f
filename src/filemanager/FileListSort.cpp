#include "filemanager/FileListSort.h"

#include <algorithm>

namespace {

int CompareText(const QString &a, const QString &b)
{
    return QString::compare(a.toUpper(), b.toUpper());
}

int CompareTime(qint64 a, qint64 b)
{
    if (a == b)
        return 0;
    return a < b ? -1 : 1;
}

QString TypeName(const FileListEntry &entry, const QStringList &typeNames)
{
    return entry.typeIndex >= 0 && entry.typeIndex < typeNames.size() ? typeNames.at(entry.typeIndex) : QString();
}

// Sizes and times compare as values: their texts would order "9.1." after
// "10.1." and a 12-digit size before a 10-digit one.
int CompareKey(const FileListEntry &a, const FileListEntry &b, FileInfo key, const QStringList &typeNames)
{
    switch (key) {
    case fiSize:
        return a.size == b.size || a.isFolder ? 0 : (a.size < b.size ? -1 : 1);
    case fiType:
        return CompareText(TypeName(a, typeNames), TypeName(b, typeNames));
    case fiModified:
        return CompareTime(a.modified, b.modified);
    case fiCreated:
        return CompareTime(a.created, b.created);
    case fiLastAccess:
        return CompareTime(a.lastAccess, b.lastAccess);
    case fiAttributes:
        return CompareText(AttributeLetters(a), AttributeLetters(b));
    case fiDosExt:
        return CompareText(DosExtension(a.name), DosExtension(b.name));
    case fiPath:
        return CompareText(a.folder, b.folder);
    case fiName:
    case fiDosName:
    case fiAll:
        break;
    }
    return 0;
}

bool IsTimeKey(FileInfo key)
{
    return key == fiModified || key == fiCreated || key == fiLastAccess;
}

} // namespace

bool FileEntryLess(const FileListEntry &a, const FileListEntry &b, FileInfo key, bool descending,
                   const QStringList &typeNames)
{
    if (a.isFolder != b.isFolder)
        return a.isFolder;
    int order = CompareKey(a, b, key, typeNames);
    if (order == 0)
        order = QString::compare(a.upperName, b.upperName);
    if (descending)
        order = -order;
    if (IsTimeKey(key))
        order = -order;
    return order < 0;
}

void SortFileEntries(QList<FileListEntry> &entries, FileInfo key, bool descending, const QStringList &typeNames)
{
    std::stable_sort(entries.begin(), entries.end(), [&](const FileListEntry &a, const FileListEntry &b) {
        return FileEntryLess(a, b, key, descending, typeNames);
    });
}
