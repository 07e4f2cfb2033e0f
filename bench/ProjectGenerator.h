#pragma once

#include <QString>

// Writes a catalogue of entryCount entries below folder: nested groups,
// comments of several lines, commands naming existing and missing files, a
// few image files. Returns the project file's path.
QString GenerateProject(const QString &folder, int entryCount);

// Writes a catalogue of levels entries, each the only child of the one
// before. Returns the project file's path.
QString GenerateDeepProject(const QString &folder, int levels);
