#pragma once

#include <QStringList>

class QTextStream;

// --list, --test and --extract for ZIP archives, through TZipMaster and the
// unzip module like the dialog. args follow the mode: ARCHIVE [DIR]
// [--password PW] [--overwrite]. Returns the exit code: 0 all fine, 1 some
// entries failed, 2 the archive (or target) cannot be used.
int RunZipCommand(const QString &mode, const QStringList &args, QTextStream &out, QTextStream &err);
