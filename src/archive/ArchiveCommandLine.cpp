#include "archive/ArchiveCommandLine.h"

#include "archive/ArchiveFile.h"
#include "archive/rar/RarCommandLine.h"
#include "archive/safety/ExtractionTarget.h"
#include "archive/zip/ZipCommandLine.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <unistd.h>

namespace {

QString oneLine(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char(' '));
}

int usage(QTextStream &err)
{
    err << "Aufruf: brekko --list ARCHIV\n"
           "       brekko --test ARCHIV [--password PW]\n"
           "       brekko --extract ARCHIV ZIEL [--password PW] [--overwrite]\n";
    return 2;
}

// The archive must be a regular file; a pipe is never opened for reading.
bool archiveReadable(const QString &archive, QTextStream &err)
{
    QFile file;
    if (OpenArchiveFile(file, archive))
        return true;
    if (!FileSystem::exists(archive))
        err << oneLine(QStringLiteral("Die angegebene Datei \"") + archive
                       + QStringLiteral("\" konnte\rnicht gefunden werden."))
            << '\n';
    else
        err << "Die Datei \"" << archive << "\" kann nicht gelesen werden (keine gewöhnliche Datei).\n";
    return false;
}

// The target is made when missing and must be a folder the process can enter.
bool targetUsable(const QString &target, QTextStream &err)
{
    if (FileOperations::makeFolders(target)) {
        const int fd = ExtractionTarget::openFolder(NativeNames::encode(target).constData());
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
    }
    err << oneLine(QStringLiteral("Das angegebene Zielverzeichnis konnte nicht erstellt werden.\r"
                                  "Das entpacken des Archivbinhaltes ist somit nicht möglich."))
        << " (" << NativeNames::forDisplay(target) << ")\n";
    return false;
}

} // namespace

std::optional<ArchiveCommand> ParseArchiveCommand(const QString &mode, const QStringList &args)
{
    ArchiveCommand command;
    if (mode == QLatin1String("--test"))
        command.mode = ArchiveCommand::Test;
    else if (mode == QLatin1String("--extract"))
        command.mode = ArchiveCommand::Extract;
    else if (mode != QLatin1String("--list"))
        return std::nullopt;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args.at(i) == QLatin1String("--password") && i + 1 < args.size())
            command.password = args.at(++i);
        else if (args.at(i) == QLatin1String("--overwrite"))
            command.overwrite = true;
        else
            positional.append(args.at(i));
    }
    if (positional.size() != (command.mode == ArchiveCommand::Extract ? 2 : 1))
        return std::nullopt;
    command.archive = positional.at(0);
    command.target = positional.value(1);
    return command;
}

int RunArchiveCommand(const QString &mode, const QStringList &args, QTextStream &out, QTextStream &err)
{
    std::optional<ArchiveCommand> command = ParseArchiveCommand(mode, args);
    int code = 2;
    if (!command)
        code = usage(err);
    else if (!archiveReadable(command->archive, err))
        code = 2;
    else if (command->mode == ArchiveCommand::Extract && !targetUsable(command->target, err))
        code = 2;
    else {
        command->target = command->target.isEmpty() ? QString() : QFileInfo(command->target).absoluteFilePath();
        code = LooksLikeRar(command->archive) ? RunRarCommand(*command, out, err) : RunZipCommand(*command, out, err);
    }
    out.flush();
    err.flush();
    return code;
}

QString EscapedName(const QString &name)
{
    QString escaped;
    escaped.reserve(name.size());
    for (const QChar c : name) {
        if (c == QLatin1Char('\\'))
            escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            escaped += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            escaped += QStringLiteral("\\t");
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}

EntryLines::EntryLines(QTextStream &out)
    : m_out(out)
{
}

EntryLines::~EntryLines()
{
    flush();
}

void EntryLines::begin(const QString &name)
{
    flush();
    m_name = name;
    m_reasons.clear();
    m_verdict.reset();
    m_open = true;
    ++m_entries;
}

bool EntryLines::reason(const QString &text)
{
    if (!m_open)
        return false;
    if (!m_reasons.contains(text))
        m_reasons.append(text);
    return true;
}

void EntryLines::finish(bool ok)
{
    m_verdict = ok;
}

void EntryLines::flush()
{
    if (!m_open)
        return;
    const bool ok = m_verdict.value_or(true) && m_reasons.isEmpty();
    m_out << EscapedName(m_name) << '\t' << (ok ? QStringLiteral("OK") : QStringLiteral("Fehler !!!"));
    if (!ok && !m_reasons.isEmpty())
        m_out << ' ' << m_reasons.join(QStringLiteral("; "));
    m_out << '\n';
    m_out.flush();
    if (!ok)
        ++m_failed;
    m_open = false;
}
