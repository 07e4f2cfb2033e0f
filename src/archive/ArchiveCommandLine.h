#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

// --list, --test and --extract: one set of options for RAR and ZIP.
struct ArchiveCommand {
    enum Mode { List, Test, Extract };
    Mode mode = List;
    QString archive;
    QString target; // absolute once the command runs
    QString password;
    bool overwrite = false;
};

// Reads the arguments after mode: ARCHIVE, for --extract a target folder,
// and anywhere "--password PW" and "--overwrite". Nothing on a usage error.
std::optional<ArchiveCommand> ParseArchiveCommand(const QString &mode, const QStringList &args);

// Runs the mode on a RAR or ZIP archive, chosen by its content. Returns the
// exit code: 0 all fine, 1 some entries failed or the archive is damaged,
// 2 the archive or the target cannot be used, or bad arguments.
int RunArchiveCommand(const QString &mode, const QStringList &args, QTextStream &out, QTextStream &err);

// A name as one line of output: backslashes and control characters escaped.
QString EscapedName(const QString &name);

// One line per entry: its whole name, a tab, "OK" or "Fehler !!!" and the
// reasons, written once the entry's verdict is known.
class EntryLines {
public:
    explicit EntryLines(QTextStream &out);
    ~EntryLines();
    EntryLines(const EntryLines &) = delete;
    EntryLines &operator=(const EntryLines &) = delete;

    void begin(const QString &name);
    bool isOpen() const { return m_open; }
    const QString &name() const { return m_name; }
    // A reason the open entry failed; false when none is open.
    bool reason(const QString &text);
    // The verdict; without one an entry is fine when it has no reasons.
    void finish(bool ok);
    void flush();

    int entries() const { return m_entries; }
    int failed() const { return m_failed; }

private:
    QTextStream &m_out;
    QString m_name;
    QStringList m_reasons;
    std::optional<bool> m_verdict;
    bool m_open = false;
    int m_entries = 0;
    int m_failed = 0;
};
