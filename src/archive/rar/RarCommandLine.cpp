#include "archive/rar/RarCommandLine.h"

#include "archive/ArchiveCommandLine.h"
#include "archive/ArchiveFile.h"
#include "archive/rar/TRAR.h"

#include <QFile>
#include <QTextStream>

namespace {

constexpr qint64 StubSearchSize = 1024 * 1024;

// The volume prompt without a window: the next volume must lie beside the
// first, where the call layer looks; when it is missing the message says so.
void answerVolumesFromDisk(TRAR &rar, QTextStream &err)
{
    rar.OnVolumeChange = [&err](TRAR *, const QString &arcName, int mode) {
        if (mode != RAR_VOL_ASK)
            return 1;
        err << "Rar-Volumen benötigt...: Diskette mit Rar-Volumen \"" << arcName << "\" einlegen und OK drücken.\n";
        err.flush();
        return 0;
    };
}

int list(TRAR &rar, QTextStream &out, QTextStream &err)
{
    bool failed = false;
    rar.OnError = [&](TRAR *, int error) {
        failed = true;
        err << TRAR::ErrorText(error) << '\n';
    };
    rar.OnListFile = [&](TRAR *, const RarEntry &entry) {
        out << EscapedName(entry.fileName) << '\t' << entry.unpSize << '\t' << entry.packSize << '\n';
    };
    rar.List();
    return failed ? 2 : 0;
}

int walk(TRAR &rar, bool extracting, QTextStream &out, QTextStream &err)
{
    EntryLines lines(out);
    bool unreadable = false;
    bool damaged = false;
    bool entryFailed = false;
    // An error right after an entry failed is one of its reasons; one about
    // the archive goes to the error stream.
    rar.OnError = [&](TRAR *, int error) {
        if (entryFailed && lines.reason(TRAR::ErrorText(error)))
            return;
        lines.flush();
        (lines.entries() == 0 ? unreadable : damaged) = true;
        err << TRAR::ErrorText(error) << '\n';
    };
    const auto begin = [&](TRAR *, const RarEntry &entry) {
        entryFailed = false;
        lines.begin(entry.fileName);
    };
    const auto end = [&](TRAR *, const RarEntry &, bool ok) {
        entryFailed = !ok;
        lines.finish(ok);
    };
    rar.OnExtracting = begin;
    rar.OnTesting = begin;
    rar.OnExtract = end;
    rar.OnTested = end;
    rar.OnRefused = [&](TRAR *, const RarEntry &, const QString &reason) { lines.reason(reason); };
    const bool ok = extracting ? rar.Extract() : rar.Test();
    lines.flush();
    if (unreadable)
        return 2;
    return ok && !damaged && lines.failed() == 0 ? 0 : 1;
}

} // namespace

bool LooksLikeRar(const QString &fileName)
{
    QFile file;
    if (!OpenArchiveFile(file, fileName))
        return false;
    static const QByteArray signature("Rar!\x1a\x07", 6);
    const QByteArray start = file.read(StubSearchSize);
    if (start.startsWith(signature))
        return true;
    // A self-extracting archive: a program stub, then the archive.
    return start.startsWith("MZ")
                   || start.startsWith("\x7f"
                                       "ELF")
               ? start.contains(signature)
               : false;
}

int RunRarCommand(const ArchiveCommand &command, QTextStream &out, QTextStream &err)
{
    TRAR rar;
    rar.ArchiveName = command.archive;
    rar.TargetDir = command.target;
    rar.Overwrite = command.overwrite;
    answerVolumesFromDisk(rar, err);
    if (command.mode == ArchiveCommand::List)
        return list(rar, out, err);
    return walk(rar, command.mode == ArchiveCommand::Extract, out, err);
}
