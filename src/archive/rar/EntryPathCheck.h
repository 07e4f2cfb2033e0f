#pragma once

#include <QString>

// What an archive entry is, for the check below.
enum class EntryKind { File, Directory, Link };

// Why an entry named entryName may not be written below targetDir; empty
// when it may. Refused: empty names, absolute paths, drive letters,
// backslashes, ".." components, a way through a link already on disk, and
// links whose target leaves targetDir.
QString EntryPathProblem(const QString &targetDir, const QString &entryName, EntryKind kind,
                         const QString &linkTarget = {});
