#pragma once

#include <cstdint>
#include <string>

// A file that is there under its name only once it is complete: a small one
// is written in place and removed again on failure; a larger one is written
// unnamed where the file system allows it, else under a hidden temporary
// name, as is one that replaces an existing file.
class NewFile {
public:
    // folderFd refers to folderPath; size is the expected size (-1 unknown);
    // replacing says a file of the name exists.
    NewFile(int folderFd, const std::string &folderPath, const std::string &name, int64_t size, bool replacing);
    ~NewFile();
    NewFile(const NewFile &) = delete;
    NewFile &operator=(const NewFile &) = delete;

    // Below 0 when the file could not be made (errno tells why).
    int fd() const { return m_fd; }
    // Gives the file its name; false with errno set.
    bool publish();

private:
    int m_folderFd;
    std::string m_name;
    std::string m_temporary;
    int m_fd = -1;
    bool m_inPlace = false;
    bool m_published = false;
};
