#pragma once

#include "archive/safety/ExtractionTarget.h"
#include "archive/zip/UnzipRecords.h"

#include <archive.h>
#include <archive_entry.h>

#include <memory>
#include <string>
#include <sys/types.h>
#include <vector>

// What one call works on, from the command record and its extension.
struct UnzipJob {
    std::string archivePath;
    std::vector<std::string> patterns;
    // The folder to extract into, open; the session owns it.
    int targetFolder = -1;
};

// One call of the module: walks the archive and tests or extracts the
// entries the command names, reporting through the caller's callback.
class UnzipSession {
public:
    UnzipSession(const UnzCommandRecord &command, UnzipJob job);
    UnzipSession(const UnzipSession &) = delete;
    UnzipSession &operator=(const UnzipSession &) = delete;

    // Number of entries processed successfully.
    int run();

    // Codes of failure messages (above 0); progress lines and skipped
    // entries ("Übersprungen: ") carry 0.
    enum Failure { DataError = 1, Refused = 2, WriteError = 4, ArchiveError = 5 };

private:
    bool wanted(const std::string &name) const;
    bool processEntry(archive *reader, archive_entry *entry, const std::string &name);
    bool extractEntry(archive *reader, archive_entry *entry, const std::string &name);
    bool readData(archive *reader, int fd, const std::string &name);
    bool writeFile(archive *reader, archive_entry *entry, const std::string &name, int folder, const std::string &leaf,
                   bool replace);
    // For update and freshen: whether the entry is to replace what is at
    // leaf; skipped entries are reported.
    bool newerThanExisting(archive_entry *entry, const std::string &name, int folder, const std::string &leaf);
    // Reports an entry that could not be put at leaf: skipped when a file
    // of its name is there and may not be replaced, else failed.
    bool notPlaced(const std::string &name, int folder, const std::string &leaf, int error);

    // Asks the caller for the current entry's password; null for none.
    static const char *askPassword(archive *reader, void *session);

    // Reports to the caller; false when the caller asked to stop.
    bool report(int32_t action, int32_t code, const std::string &text, int64_t size = 0);
    bool call(UnzCallbackRecord &record);
    bool fail(Failure code, const std::string &name, const std::string &reason);
    // An entry left out as the options ask: no error, but no success either.
    bool skip(const std::string &name, const std::string &reason);

    const UnzCommandRecord &m_command;
    UnzipJob m_job;
    std::unique_ptr<ExtractionTarget> m_target;
    mode_t m_umask = 022;
    bool m_cancelled = false;
    int64_t m_stepBytes = 0;
    std::string m_entryName;
    // Passwords given for the current entry; one given twice ends the asking.
    std::vector<std::string> m_answers;
};
