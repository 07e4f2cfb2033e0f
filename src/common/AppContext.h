#pragma once

#include <QString>

// Run-wide values the path functions and windows share.
namespace AppContext {

// Folder of the program's executable, always ending in "/".
QString programDirectory();
void setProgramDirectory(const QString &folder);

// Full path of the open project file; empty when it has none yet.
QString projectFileName();
void setProjectFileName(const QString &fileName);

// Volume of the project file, else of the program directory.
QString projectDrive();

// Help file in use; empty when none was found.
QString helpFileName();
void setHelpFileName(const QString &fileName);
bool hasHelpFile();

} // namespace AppContext
