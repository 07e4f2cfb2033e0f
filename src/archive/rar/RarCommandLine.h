#pragma once

#include <QString>

class QTextStream;
struct ArchiveCommand;

// True when the file's content is a RAR archive (at its start, or behind a
// self-extracting program stub). Only a regular file is read.
bool LooksLikeRar(const QString &fileName);

// Runs a parsed --list, --test or --extract on a RAR archive; the exit code
// as RunArchiveCommand gives it.
int RunRarCommand(const ArchiveCommand &command, QTextStream &out, QTextStream &err);
