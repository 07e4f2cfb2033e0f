#include "archive/rar/RarCommandLine.h"

#include "archive/rar/TRAR.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <optional>

namespace {

constexpr qint64 StubSearchSize = 1024 * 1024;

struct Options {
    QString archive;
    QString targetDir;
    QString password;
    bool overwrite = false;
};

std::optional<Options> parse(const QString &mode, const QStringList &args)
{
    Options options;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--password") && i + 1 < args.size())
            options.password = args.at(++i);
        else if (args.at(i) == QLatin1String("--overwrite") && mode == QLatin1String("--extract"))
            options.overwrite = true;
        else
            positional.append(args.at(i));
    }
    const qsizetype wanted = mode == QLatin1String("--extract") ? 2 : 1;
    if (positional.size() != wanted)
        return std::nullopt;
    options.archive = positional.at(0);
    if (wanted == 2)
        options.targetDir = positional.at(1);
    return options;
}

// One line per entry: the entry's result once its errors are known.
class EntryLines {
public:
    explicit EntryLines(QTextStream &out)
        : m_out(out)
    {
    }
    ~EntryLines() { flush(); }
    EntryLines(const EntryLines &) = delete;
    EntryLines &operator=(const EntryLines &) = delete;

    void begin(const QString &name)
    {
        flush();
        m_name = name;
        m_reasons.clear();
        m_open = true;
        m_done = false;
    }
    void reason(const QString &text)
    {
        if (m_open && !m_reasons.contains(text))
            m_reasons.append(text);
    }
    void finish(bool ok)
    {
        m_ok = ok;
        m_done = true;
        if (!ok)
            ++m_failed;
    }
    void flush()
    {
        if (!m_open)
            return;
        if (!m_done)
            finish(false);
        m_out << m_name << '\t' << (m_ok ? QStringLiteral("OK") : QStringLiteral("Fehler !!!"));
        if (!m_ok && !m_reasons.isEmpty())
            m_out << ' ' << m_reasons.join(QStringLiteral("; "));
        m_out << '\n';
        m_out.flush();
        m_open = false;
    }
    int failed() const { return m_failed; }
    int entries() const { return m_entries; }
    void count() { ++m_entries; }

private:
    QTextStream &m_out;
    QString m_name;
    QStringList m_reasons;
    bool m_open = false;
    bool m_done = false;
    bool m_ok = false;
    int m_failed = 0;
    int m_entries = 0;
};

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

int list(const Options &options, QTextStream &out, QTextStream &err)
{
    TRAR rar;
    rar.ArchiveName = options.archive;
    answerVolumesFromDisk(rar, err);
    bool failed = false;
    rar.OnError = [&](TRAR *, int error) {
        failed = true;
        err << TRAR::ErrorText(error) << '\n';
    };
    rar.OnListFile = [&](TRAR *, const RarEntry &entry) {
        out << entry.fileName << '\t' << entry.unpSize << '\t' << entry.packSize << '\n';
    };
    rar.List();
    out.flush();
    err.flush();
    return failed ? 2 : 0;
}

int walk(const Options &options, bool extracting, QTextStream &out, QTextStream &err)
{
    if (extracting && !QDir().mkpath(options.targetDir)) {
        err << "Das angegebene Zielverzeichnis \"" << options.targetDir << "\" konnte nicht erstellt werden.\n";
        return 2;
    }
    TRAR rar;
    rar.ArchiveName = options.archive;
    rar.TargetDir = extracting ? QFileInfo(options.targetDir).absoluteFilePath() : QString();
    rar.Overwrite = options.overwrite;
    answerVolumesFromDisk(rar, err);
    EntryLines lines(out);
    bool unreadable = false;
    rar.OnError = [&](TRAR *, int error) {
        if (lines.entries() == 0)
            unreadable = true;
        lines.reason(TRAR::ErrorText(error));
        if (lines.entries() == 0)
            err << TRAR::ErrorText(error) << '\n';
    };
    const auto begin = [&](TRAR *, const RarEntry &entry) {
        lines.count();
        lines.begin(entry.fileName);
    };
    const auto end = [&](TRAR *, const RarEntry &, bool ok) { lines.finish(ok); };
    rar.OnExtracting = begin;
    rar.OnTesting = begin;
    rar.OnExtract = end;
    rar.OnTested = end;
    rar.OnRefused = [&](TRAR *, const RarEntry &, const QString &reason) { lines.reason(reason); };
    rar.OnReqPassword = [&](TRAR *, const RarEntry &, QString &password) { password = options.password; };
    const bool ok = extracting ? rar.Extract() : rar.Test();
    lines.flush();
    err.flush();
    if (unreadable)
        return 2;
    return ok && lines.failed() == 0 ? 0 : 1;
}

} // namespace

bool LooksLikeRar(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
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

int RunRarCommand(const QString &mode, const QStringList &args, QTextStream &out, QTextStream &err)
{
    const std::optional<Options> options = parse(mode, args);
    if (!options) {
        err << "Aufruf: " << mode
            << (mode == QLatin1String("--extract") ? " ARCHIV ZIEL [--password PW] [--overwrite]\n"
                                                   : " ARCHIV [--password PW]\n");
        return 2;
    }
    if (mode == QLatin1String("--list"))
        return list(*options, out, err);
    return walk(*options, mode == QLatin1String("--extract"), out, err);
}
