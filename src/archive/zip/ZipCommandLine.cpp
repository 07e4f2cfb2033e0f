#include "archive/zip/ZipCommandLine.h"

#include "archive/zip/TZipMaster.h"
#include "common/AppContext.h"
#include "common/FileUtils.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTextStream>

namespace {

struct Options {
    QString archive;
    QString target;
    QString password;
    bool overwrite = false;
    bool valid = true;
};

Options parse(const QString &mode, const QStringList &args)
{
    Options options;
    QStringList plain;
    for (int i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--password") && i + 1 < args.size())
            options.password = args.at(++i);
        else if (args.at(i) == QLatin1String("--overwrite"))
            options.overwrite = true;
        else
            plain.append(args.at(i));
    }
    const int wanted = mode == QLatin1String("--extract") ? 2 : 1;
    options.valid = plain.size() == wanted;
    options.archive = plain.value(0);
    options.target = plain.value(1);
    return options;
}

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char(' '));
}

// One line per entry: name, a tab, "OK" or "Fehler !!!" and the reasons.
class EntryLog {
public:
    EntryLog(QTextStream &out, QTextStream &err)
        : m_out(out)
        , m_err(err)
    {
    }

    void begins(const QString &name)
    {
        finish();
        m_name = name;
        m_open = true;
        m_reached.insert(name);
    }
    // A message "Fehler: " or "Übersprungen: ", the name, ": ", the reason.
    // One about the archive itself goes to the error stream.
    void failed(const QString &message, const QString &kind)
    {
        const QString prefix = kind + m_name + QStringLiteral(": ");
        if (!m_open || !message.startsWith(prefix)) {
            finish();
            m_err << message << '\n';
            return;
        }
        m_reasons.append(message.mid(prefix.size()));
    }
    void finish()
    {
        if (!m_open)
            return;
        m_out << m_name << '\t';
        if (m_reasons.isEmpty())
            m_out << "OK";
        else
            m_out << "Fehler !!! " << m_reasons.join(QStringLiteral("; "));
        m_out << '\n';
        m_open = false;
        m_reasons.clear();
    }
    // Entries after damage that ended the walk.
    void unreached(const QList<ZipDirEntry> &entries)
    {
        finish();
        for (const ZipDirEntry &entry : entries) {
            if (!m_reached.contains(entry.fileName))
                m_out << entry.fileName << "\tFehler !!! nicht erreicht, das Archiv ist davor beschädigt\n";
        }
    }

private:
    QTextStream &m_out;
    QTextStream &m_err;
    QString m_name;
    QStringList m_reasons;
    QSet<QString> m_reached;
    bool m_open = false;
};

int list(const TZipMaster &zip, QTextStream &out)
{
    for (const ZipDirEntry &entry : zip.DirEntries())
        out << entry.fileName << '\t' << entry.uncompressedSize << '\t' << entry.compressedSize << '\n';
    return 0;
}

int runModule(TZipMaster &zip, const Options &options, bool test, QTextStream &out, QTextStream &err)
{
    if (!zip.Load())
        return 2;
    EntryLog log(out, err);
    zip.OnProgress = [&log](int type, const QString &name, qint32) {
        if (type == TZipMaster::FileBegins)
            log.begins(name);
        else if (type == TZipMaster::BatchEnds)
            log.finish();
    };
    zip.OnMessage = [&log, &err](int code, const QString &message) {
        const QString skipped = QStringLiteral("Übersprungen: ");
        if (code > 0)
            log.failed(message, QStringLiteral("Fehler: "));
        else if (message.startsWith(skipped))
            log.failed(message, skipped);
        else if (!message.startsWith(QLatin1String("OK: ")) && !message.startsWith(QLatin1String("Entpackt: ")))
            err << message << '\n';
    };
    zip.setPassword(options.password);
    zip.FSpecArgs = {QStringLiteral("*.*")};
    zip.ExtrOptions = TZipMaster::ExtrDirNames;
    if (test) {
        zip.ExtrOptions |= TZipMaster::ExtrTest;
    } else {
        zip.ExtrBaseDir = options.target;
        if (options.overwrite)
            zip.ExtrOptions |= TZipMaster::ExtrOverWrite;
    }
    zip.RunLibrary();
    log.unreached(zip.DirEntries());
    TZipMaster::Unload();
    return zip.SuccessCount() == zip.Count() ? 0 : 1;
}

} // namespace

int RunZipCommand(const QString &mode, const QStringList &args, QTextStream &out, QTextStream &err)
{
    const Options options = parse(mode, args);
    if (!options.valid) {
        err << "Aufruf: " << mode << " ARCHIV" << (mode == QLatin1String("--extract") ? " ZIEL" : "")
            << (mode == QLatin1String("--list") ? "" : " [--password PW]")
            << (mode == QLatin1String("--extract") ? " [--overwrite]" : "") << '\n';
        return 2;
    }
    const QString lowered = options.archive.toLower();
    if (!QFileInfo(options.archive).isFile()) {
        err << oneLine(QStringLiteral("Die angegebene Datei \"") + lowered
                       + QStringLiteral("\" konnte\rnicht gefunden werden."))
            << '\n';
        return 2;
    }
    TZipMaster zip;
    zip.Verbose = true;
    zip.setDLLDirectory(AppContext::programDirectory());
    try {
        zip.setZipFilename(options.archive);
    } catch (const ZipDirectoryError &error) {
        err << oneLine(QStringLiteral("Die Datei \"") + lowered
                       + QStringLiteral("\" ist\rkeine gültige Zip-Archivdatei oder fehlerhaft."))
            << " (" << error.text() << ")\n";
        return 2;
    }
    if (mode == QLatin1String("--list"))
        return list(zip, out);
    if (mode == QLatin1String("--extract") && !QDir().mkpath(options.target)) {
        err << oneLine(QStringLiteral("Das angegebene Zielverzeichnis konnte nicht erstellt werden.\r"
                                      "Das entpacken des Archivbinhaltes ist somit nicht möglich."))
            << '\n';
        return 2;
    }
    // Nothing to walk: the module would only complain about the archive.
    if (zip.Count() == 0)
        return 0;
    return runModule(zip, options, mode == QLatin1String("--test"), out, err);
}
