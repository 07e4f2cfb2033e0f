#include "archive/zip/ZipCommandLine.h"

#include "archive/ArchiveCommandLine.h"
#include "archive/zip/TZipMaster.h"
#include "common/AppContext.h"

#include <QSet>
#include <QTextStream>

namespace {

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char(' '));
}

// The module's messages sorted onto the entries' lines: "Fehler: " or
// "Übersprungen: ", the name, ": " and the reason belong to the entry;
// others are about the archive and go to the error stream.
class ModuleLog {
public:
    ModuleLog(QTextStream &out, QTextStream &err)
        : m_lines(out)
        , m_err(err)
    {
    }

    void begins(const QString &name)
    {
        m_lines.begin(name);
        m_reached.insert(name);
    }
    void message(int code, const QString &message)
    {
        for (const QString &kind : {QStringLiteral("Fehler: "), QStringLiteral("Übersprungen: ")}) {
            const QString prefix = kind + m_lines.name() + QStringLiteral(": ");
            if (m_lines.isOpen() && message.startsWith(prefix) && (code > 0 || kind != QLatin1String("Fehler: "))) {
                m_lines.reason(message.mid(prefix.size()));
                return;
            }
        }
        if (code > 0
            || !(message.startsWith(QLatin1String("OK: ")) || message.startsWith(QLatin1String("Entpackt: ")))) {
            m_lines.flush();
            m_err << oneLine(message) << '\n';
        }
    }
    void ends() { m_lines.flush(); }
    // Entries after damage that ended the walk.
    void unreached(const QList<ZipDirEntry> &entries)
    {
        m_lines.flush();
        for (const ZipDirEntry &entry : entries) {
            if (m_reached.contains(entry.fileName))
                continue;
            m_lines.begin(entry.fileName);
            m_lines.reason(QStringLiteral("nicht erreicht, das Archiv ist davor beschädigt"));
        }
        m_lines.flush();
    }

private:
    EntryLines m_lines;
    QTextStream &m_err;
    QSet<QString> m_reached;
};

int list(const TZipMaster &zip, QTextStream &out)
{
    for (const ZipDirEntry &entry : zip.DirEntries())
        out << EscapedName(entry.fileName) << '\t' << entry.uncompressedSize << '\t' << entry.compressedSize << '\n';
    return 0;
}

int runModule(TZipMaster &zip, const ArchiveCommand &command, QTextStream &out, QTextStream &err)
{
    if (!zip.Load())
        return 2;
    ModuleLog log(out, err);
    zip.OnProgress = [&log](int type, const QString &name, qint32) {
        if (type == TZipMaster::FileBegins)
            log.begins(name);
        else if (type == TZipMaster::BatchEnds)
            log.ends();
    };
    zip.OnMessage = [&log](int code, const QString &message) { log.message(code, message); };
    zip.setPassword(command.password);
    zip.FSpecArgs = {QStringLiteral("*.*")};
    zip.ExtrOptions = TZipMaster::ExtrDirNames;
    if (command.mode == ArchiveCommand::Test) {
        zip.ExtrOptions |= TZipMaster::ExtrTest;
    } else {
        zip.ExtrBaseDir = command.target;
        if (command.overwrite)
            zip.ExtrOptions |= TZipMaster::ExtrOverWrite;
    }
    zip.RunLibrary();
    TZipMaster::Unload();
    if (zip.targetFailed())
        return 2;
    log.unreached(zip.DirEntries());
    return zip.SuccessCount() == zip.Count() ? 0 : 1;
}

} // namespace

int RunZipCommand(const ArchiveCommand &command, QTextStream &out, QTextStream &err)
{
    TZipMaster zip;
    zip.Verbose = true;
    zip.setDLLDirectory(AppContext::programDirectory());
    try {
        zip.setZipFilename(command.archive);
    } catch (const ZipDirectoryError &error) {
        err << oneLine(QStringLiteral("Die Datei \"") + command.archive
                       + QStringLiteral("\" ist\rkeine gültige Zip-Archivdatei oder fehlerhaft."))
            << " (" << error.text() << ")\n";
        return 2;
    }
    if (command.mode == ArchiveCommand::List)
        return list(zip, out);
    // Nothing to walk: the module would only complain about the archive.
    if (zip.Count() == 0)
        return 0;
    return runModule(zip, command, out, err);
}
