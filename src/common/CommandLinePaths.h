#pragma once

#include <QString>
#include <QStringList>

// Resolution of drive-independent paths (a leading "\" and no drive) and the
// expansion and shortening of command lines. A drive is a volume root
// (platform/Volumes.h). Absolute paths stand for themselves.

// Result codes of ExpandCommandLine.
enum ExpandResult : int {
    ExpandMissingWord = -3, // several words; a "\" word names nothing
    ExpandNothing = -2,     // one word that names nothing
    ExpandEmpty = -1,
    ExpandWords = 0, // several words; every "\" word resolved
    ExpandFile = 1,
    ExpandFolder = 2,
};

// Result codes of ShortenCommandLine.
enum ShortenResult : int {
    ShortenTooShort = -1,
    ShortenWords = 0,
    ShortenOtherDrive = 1,
    ShortenFile = 2,
    ShortenFolder = 3,
};

bool ResolveInProgramDirectory(QString &path);
bool ResolveFilePath(const QString &drive, QString &path);
bool ResolveDirectoryPath(const QString &drive, QString &path);
int ExpandCommandLine(const QString &drive, QString &line);
// The line to start when the user goes ahead although ExpandCommandLine
// could not resolve it: every drive-independent word that names nothing is
// put where it would lie on drive (the first place whose folder exists, else
// the drive's root), the others are expanded as ExpandCommandLine does. The
// start then fails on what is really missing.
QString ExpandCommandLineAnyway(const QString &drive, const QString &line);
QString FirstExistingPathWord(const QString &line);
int ShortenCommandLine(const QString &drive, QString &line);
// The stored form of fullPath, which lies on drive: "\" and the rest with "\".
QString DriveIndependentPath(const QString &drive, const QString &fullPath);

// Words of a command line: cut at blanks, each trimmed, empty ones dropped.
QStringList SplitCommandWords(const QString &line);
