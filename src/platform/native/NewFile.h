#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>

// A file that is there under its name only once it is complete: written
// unnamed in its folder and linked in when published (a hidden temporary
// name stands in where the file system has no unnamed files), so that
// neither a failure nor a killed process leaves part of a file under the
// name, and a file it replaces stays whole until then.
class NewFile {
public:
    // folderFd stays the caller's and open while this lives; mode: the
    // file's permission bits from the start (less the umask).
    NewFile(int folderFd, std::string name, mode_t mode);
    // Closes the file; unless it was published, nothing of it is left.
    ~NewFile();
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    // Below 0 when the file could not be made (errno tells why).
    int fd() const { return m_fd; }
    // The hidden name the file has until it is published; empty for an
    // unnamed file.
    const std::string &temporaryName() const { return m_temporary; }

    // Puts what was written on the medium; call it after the last write.
    bool sync();
    // Gives the file its name. Without replace an entry of that name is an
    // error (EEXIST); with it the file takes its place in one step (never a
    // folder's: EISDIR), once the new content is on the medium. A synced
    // file's folder is synced afterwards, so the name lasts too. False with
    // errno set; then the entry there is as it was.
    bool publish(bool replace);
    // Closes the file; false (errno set) when the system reports a late
    // write error.
    bool close();

private:
    bool place(bool replace);
    bool takeFreeName();
    bool renameOver();

    int m_folder;
    std::string m_name;
    std::string m_temporary;
    int m_fd = -1;
    bool m_synced = false;
};

// Writes all of data to fd; false with errno set.
bool WriteAll(int fd, const void *data, size_t size);
