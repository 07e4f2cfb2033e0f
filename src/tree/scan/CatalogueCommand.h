#pragma once

#include <QStringList>

class QTextStream;

// brekko --catalogue DIR OUT.prj [--all] [--overwrite]: writes a new
// catalogue of DIR to OUT with every entry a scan proposes, checked as the
// scan checks them; --all takes hidden files too. OUT is never written over
// unless --overwrite is given. arguments are without the program name.
// Returns 0 when OUT was written, 2 with a message on err when DIR cannot be
// read or OUT cannot be written.
int RunCatalogueCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);
