#pragma once

#include <QStringList>

class QTextStream;

// brekko --export-text FILE [--fields btc]: writes the project text of FILE
// to out, one line per line, for the named field areas (b title, c comment,
// t command line; without --fields the settings file's areas) with the
// settings file's separators. arguments are without the program name.
// Returns 0 on success, 2 with a message on err otherwise.
int RunExportTextCommand(const QStringList &arguments, QTextStream &out, QTextStream &err);

// The same with the settings read from settingsFile (empty: the defaults).
int RunExportTextCommand(const QStringList &arguments, const QString &settingsFile, QTextStream &out, QTextStream &err);
