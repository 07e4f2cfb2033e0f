#include "NewFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Written with one call: a crash leaves a partial file only for an instant.
constexpr int64_t kInPlaceBytes = 64 * 1024;

} // namespace

NewFile::NewFile(int folderFd, const std::string &folderPath, const std::string &name, int64_t size, bool replacing)
    : m_folderFd(folderFd)
    , m_name(name)
{
    if (!replacing && size >= 0 && size <= kInPlaceBytes) {
        m_fd = openat(folderFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        m_inPlace = m_fd >= 0;
        return;
    }
    // An unnamed file is named through /proc and cannot take the place of
    // an existing one.
    static const bool procMounted = access("/proc/self/fd", F_OK) == 0;
    if (!replacing && procMounted)
        m_fd = openat(folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (m_fd >= 0)
        return;
    m_temporary = folderPath + "/.unzip-XXXXXX";
    m_fd = mkostemp(m_temporary.data(), O_CLOEXEC);
    if (m_fd < 0)
        m_temporary.clear();
}

NewFile::~NewFile()
{
    if (m_fd >= 0)
        close(m_fd);
    if (m_published)
        return;
    if (m_inPlace)
        unlinkat(m_folderFd, m_name.c_str(), 0);
    else if (!m_temporary.empty())
        unlink(m_temporary.c_str());
}

bool NewFile::publish()
{
    if (!m_inPlace && m_temporary.empty()) {
        char self[64];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", m_fd);
        m_published = linkat(AT_FDCWD, self, m_folderFd, m_name.c_str(), AT_SYMLINK_FOLLOW) == 0;
        return m_published;
    }
    const int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0)
        return false;
    m_published = m_inPlace || renameat(AT_FDCWD, m_temporary.c_str(), m_folderFd, m_name.c_str()) == 0;
    return m_published;
}
