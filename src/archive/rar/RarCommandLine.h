#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// True when the file's content is a RAR archive (at its start, or behind a
// self-extracting program stub).
bool LooksLikeRar(const QString &fileName);

// Runs "--list ARCHIVE", "--test ARCHIVE [--password PW]" or
// "--extract ARCHIVE DIR [--password PW] [--overwrite]" on a RAR archive;
// args are the arguments after mode. Returns the exit code: 0 all fine,
// 1 some entries failed, 2 the archive could not be read (or bad arguments).
int RunRarCommand(const QString &mode, const QStringList &args, QTextStream &out, QTextStream &err);
