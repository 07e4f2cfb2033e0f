#pragma once

#include <QString>
#include <QStringList>

// Name patterns of the file list: "*" any run, "?" one character, other
// characters literal, compared case-insensitively. Not a shell glob: a
// pattern without wildcards and dot matches any name containing it.

// The patterns of mask: "," counts as ";", parts are trimmed and upper-cased,
// bare patterns are widened, the list is sorted without duplicates. An empty
// mask gives "*".
QStringList ParseMaskList(const QString &mask);

// True when name matches the single pattern (already parsed: upper-case).
bool MatchesPattern(const QString &name, const QString &pattern);

// True when name matches any of the parsed patterns.
bool MatchesAnyPattern(const QString &name, const QStringList &patterns);

// True when name matches the mask (parsed as ParseMaskList does).
bool MatchesMask(const QString &name, const QString &mask);

// The patterns of a group selection, read as a file search reads them: those
// of ParseMaskList, and for one ending in ".*" also the part before it, so
// "*.*" finds every name and "b*.*" finds "bin".
QStringList ParseGroupPattern(const QString &pattern);
