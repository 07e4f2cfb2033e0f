#pragma once

#include "archive/safety/EntryPath.h"

#include <string>
#include <sys/stat.h>
#include <unordered_map>
#include <vector>

// Why an entry could not be put in place: a problem of its name or place,
// or the system's error number.
struct ExtractFailure {
    EntryPath::Problem problem = EntryPath::Problem::None;
    int error = 0;

    // The reason as the logs show it.
    std::string text() const;
};

// An error number of writing as the logs show it.
const char *WriteErrorText(int error);

// The folder an extraction writes into, held open: every entry is reached
// from it with calls relative to it that never follow a link, so nothing
// lands outside it, whatever the current folder is or becomes.
class ExtractionTarget {
public:
    // Takes over rootFd, an open folder.
    explicit ExtractionTarget(int rootFd);
    ~ExtractionTarget();
    ExtractionTarget(const ExtractionTarget &) = delete;
    ExtractionTarget &operator=(const ExtractionTarget &) = delete;

    // Opens path as a target: a folder the process may enter. -1 with
    // errno set otherwise.
    static int openFolder(const char *path);

    // Makes the folders of parts below the root as needed.
    bool makeFolders(const std::vector<std::string> &parts, ExtractFailure &failure);
    // The folder that holds parts.back(), made as needed; it stays open for
    // the entries that follow. -1 on failure.
    int folderOf(const std::vector<std::string> &parts, ExtractFailure &failure);

    // What is at leaf in folder, without following a link; false for nothing.
    static bool lookAt(int folder, const std::string &leaf, struct stat &info);

    // Files and links put in place in this run, by their path below the
    // root: an entry of the same name must not replace one of them.
    bool taken(const std::string &path) const { return m_written.count(path) != 0; }
    void noteWritten(const std::string &path, bool isFile) { m_written[path] = isFile; }

    // Puts a symbolic link at leaf; replace lets it take the place of what
    // is there unless that is a folder.
    bool putSymlink(int folder, const std::string &leaf, const std::string &target, bool replace,
                    ExtractFailure &failure);
    // Makes leaf a second name of the file this run wrote at targetName, or
    // a copy of it where no link can be made (or copy is asked for).
    bool putHardLink(int folder, const std::string &leaf, const std::string &targetName, bool copy, bool replace,
                     ExtractFailure &failure);

private:
    // Opens the folder root/parts[0..count), making it when make is set.
    int walk(const std::vector<std::string> &parts, size_t count, bool make, ExtractFailure &failure) const;
    bool copyInto(int source, int folder, const std::string &leaf, bool replace, ExtractFailure &failure);

    int m_root;
    std::string m_folderPath;
    int m_folderFd = -1;
    std::unordered_map<std::string, bool> m_written;
};
