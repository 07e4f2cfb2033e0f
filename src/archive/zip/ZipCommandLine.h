#pragma once

class QTextStream;
struct ArchiveCommand;

// Runs a parsed --list, --test or --extract on a ZIP archive through
// TZipMaster and the unzip module, like the dialog; the exit code as
// RunArchiveCommand gives it.
int RunZipCommand(const ArchiveCommand &command, QTextStream &out, QTextStream &err);
