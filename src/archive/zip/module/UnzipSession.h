#pragma once

#include "../UnzipRecords.h"

#include <archive.h>
#include <archive_entry.h>

#include <string>
#include <vector>

// One call of the module: walks the archive and tests or extracts the
// entries the command names, reporting through the caller's callback.
class UnzipSession {
public:
    UnzipSession(const UnzCommandRecord &command, std::string root);
    ~UnzipSession();
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
    bool readData(archive *reader, int fd, const std::string &name);
    bool writeFile(archive *reader, archive_entry *entry, const std::string &name,
                   const std::vector<std::string> &parts);
    bool writeLink(archive_entry *entry, const std::string &name, const std::vector<std::string> &parts);
    // Makes and opens the folder of the entry; false when it cannot be
    // made or is not a real folder.
    bool enterFolder(const std::vector<std::string> &parts);
    // Whether the entry may be written to leaf in the current folder;
    // exists tells whether something of that name is there.
    bool mayReplace(const std::string &leaf, archive_entry *entry, const std::string &name, bool &exists);

    // Asks the caller for the current entry's password; null for none.
    static const char *askPassword(archive *reader, void *session);

    // Reports to the caller; false when the caller asked to stop.
    bool report(int32_t action, int32_t code, const std::string &text, int64_t size = 0);
    // The record as the caller left it, for answers.
    bool call(UnzCallbackRecord &record);
    bool fail(Failure code, const std::string &name, const std::string &reason);
    // An entry left out as the options ask: no error, but no success either.
    bool skip(const std::string &name, const std::string &reason);

    const UnzCommandRecord &m_command;
    std::string m_root;
    std::vector<std::string> m_patterns;
    bool m_cancelled = false;
    int64_t m_stepBytes = 0;
    // The folder of the last entry written, checked and opened.
    std::string m_folderPath;
    int m_folderFd = -1;
    std::string m_entryName;
    // Passwords given for the current entry; one given twice ends the asking.
    std::vector<std::string> m_answers;
};
