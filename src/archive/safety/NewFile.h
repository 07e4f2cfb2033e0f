#pragma once

#include <string>
#include <sys/types.h>

// A file that is there under its name only once it is complete: written
// unnamed and linked in when published, so that neither a failure nor a
// kill leaves a partial file under the entry's name. Where the file system
// has no unnamed files, a hidden temporary name stands in.
class NewFile {
public:
    // mode: the file's permission bits from the start.
    NewFile(int folderFd, std::string name, mode_t mode);
    ~NewFile();
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    // Below 0 when the file could not be made (errno tells why).
    int fd() const { return m_fd; }
    // Gives the file its name; replace allows it to take the place of a
    // file that is there. False with errno set (EEXIST: something is there).
    bool publish(bool replace);

private:
    bool linkAs(const std::string &name);

    int m_folder;
    std::string m_name;
    std::string m_temporary;
    int m_fd = -1;
    bool m_published = false;
};

// A name for a temporary entry in a folder, hidden and unlikely to exist.
std::string TemporaryName();

// Writes all of data to fd; false with errno set.
bool WriteAll(int fd, const void *data, size_t size);
