#pragma once

#include <QStringList>

class QTextStream;
struct Settings;

// brekko --print FILE --pdf OUT [--fields btc] [--format NAME]
// [--header TEXT] [--footer TEXT] [--frame LRTB]: lays FILE out as the
// print export does with the settings file's field areas, separators and
// custom format (--fields and --format override them) and writes OUT. 0 on
// success (an empty text writes no file), 2 with a message on err. Needs a
// QGuiApplication.
int RunPrintCommand(const QStringList &args, QTextStream &err);
int RunPrintCommand(const QStringList &args, QTextStream &err, const Settings &settings);
