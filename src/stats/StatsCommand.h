#pragma once

#include <QStringList>

class QTextStream;

// brekko --stats FILE: the lines of the "Alle Einträge" page on out, numbers
// formatted as the window shows them; 0 on success, 2 with a message on err
// (a file that is not a project is reported like the window does).
int RunStatsCommand(const QStringList &args, QTextStream &out, QTextStream &err);
