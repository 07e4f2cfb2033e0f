#pragma once

#include <QString>

// Small file and number helpers shared by the whole program.

// part as a percentage of total, rounded to nearest (halves to even); 0 when
// total is 0.
int Percent(qint64 total, qint64 part);

// 1234567 -> "1.234.567".
QString FormatThousands(qint64 value);

// True when one line of the file, trimmed, equals text trimmed (any case).
bool FileContainsLine(const QString &fileName, const QString &text);

// Number of lines; -1 when the file cannot be read.
int CountLines(const QString &fileName);

// Number of lines reading "ITEM NEW" (trimmed, any case); -1 when unreadable.
int CountEntryLines(const QString &fileName);

// Value of the first "Projekt=" line; empty when there is none.
QString ReadProjectName(const QString &fileName);

// False when name holds one of \ / : * ? " < > |; with showError the user is
// told so.
bool IsValidFileName(const QString &name, bool showError);

// Size in bytes; -1 when nothing of that name is found.
qint64 FileSizeOf(const QString &fileName);

// Creation time as stored ("d.M.yyyy H:m:s", no leading zeros); empty when
// not found.
QString FileDateText(const QString &fileName);

// Whether drive (a volume root) can be read.
bool DriveReady(const QString &drive);

// Removes folder and everything below it, never following a link; true when
// the folder no longer exists.
bool DeleteFolderTree(const QString &folder);

namespace ProjectFileFormat {
inline const QString header = QStringLiteral("<Talvoren V4 Projektdatei>");
inline const QString macroHeader = QStringLiteral("<Talvoren V4 Makrodatei>");
inline const QString iniHeader = QStringLiteral("<Talvoren V4 Ini-Datei>");
} // namespace ProjectFileFormat
