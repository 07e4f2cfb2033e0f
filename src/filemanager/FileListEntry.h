#pragma once

#include <QString>

// What the file list knows of one listed file or folder.

enum FileType : unsigned {
    ftArchive = 1u << 0,
    ftReadonly = 1u << 1,
    ftSystem = 1u << 2,
    ftHidden = 1u << 3,
    ftTemporary = 1u << 4,
    ftAll = 1u << 5,
};
using FileTypes = unsigned;

enum FileInfo : int {
    fiName,
    fiSize,
    fiType,
    fiModified,
    fiCreated,
    fiLastAccess,
    fiAttributes,
    fiDosName,
    fiDosExt,
    fiPath,
    fiAll,
};
using FileInfos = unsigned;

constexpr FileInfos InfoBit(FileInfo info)
{
    return 1u << info;
}

// Caption, width and alignment of a detail column.
struct FileInfoColumn {
    const char *caption;
    int width;
    bool rightAligned;
};
const FileInfoColumn &FileInfoColumnOf(FileInfo info);

// Attribute bits as this platform has them (archive, system and temporary
// never occur).
enum FileAttribute : unsigned {
    faReadonly = 1u << 0,
    faHidden = 1u << 1,
};

struct FileListEntry {
    // The name as stored, bytes that are not UTF-8 kept (NativeNames); what
    // the operations use. Shown through NativeNames::forDisplay.
    QString name;
    QString upperName; // name upper-cased, for sorting
    QString folder;    // where it was found, with a trailing "/"
    qint64 size = 0;
    bool isFolder = false;
    unsigned attributes = 0;
    int typeIndex = -1; // into the list's cache of MIME types
    // Milliseconds since the epoch (UTC); -1 when unknown.
    qint64 modified = -1;
    qint64 created = -1;
    qint64 lastAccess = -1;
};

// "D", "R", "H" in that order, each when it applies.
QString AttributeLetters(const FileListEntry &entry);
// Right-aligned in ten characters, wider when the number needs it; empty for
// a folder.
QString SizeText(const FileListEntry &entry);
// Short date, two blanks, time without seconds, in the user's format.
QString TimeText(qint64 msecsSinceEpoch);
// The extension of the name (without the dot); empty when it has none.
QString DosExtension(const QString &name);
// True when an entry with these attributes passes the filter.
bool PassesTypeFilter(unsigned attributes, FileTypes types);
