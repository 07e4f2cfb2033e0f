#include "platform/native/NewFile.h"

#include "platform/native/PlaceName.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Linking an unnamed file by its descriptor needs a privilege; without it
// the link goes through /proc. Remembered after the first try.
std::atomic<bool> s_emptyPathRefused{false};

bool linkUnnamed(int fd, int folder, const char *name)
{
    if (!s_emptyPathRefused.load(std::memory_order_relaxed)) {
        if (linkat(fd, "", folder, name, AT_EMPTY_PATH) == 0)
            return true;
        if (errno != ENOENT && errno != EPERM)
            return false;
        s_emptyPathRefused.store(true, std::memory_order_relaxed);
    }
    char self[64];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
    return linkat(AT_FDCWD, self, folder, name, AT_SYMLINK_FOLLOW) == 0;
}

// Without the privilege and without /proc an unnamed file could never get
// a name.
bool unnamedFilesCanBeLinked()
{
    static const bool reachable = geteuid() == 0 || access("/proc/self/fd", X_OK) == 0;
    return reachable;
}

// The file system has no unnamed files (EISDIR: the kernel does not know
// them).
bool noUnnamedFiles(int error)
{
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL;
}

// The file system cannot do what was asked at all, as opposed to failing.
bool notSupported(int error)
{
    return error == EINVAL || error == EOPNOTSUPP || error == ENOSYS || error == EPERM;
}

} // namespace

bool WriteAll(int fd, const void *data, size_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

NewFile::NewFile(int folderFd, std::string name, mode_t mode)
    : m_folder(folderFd)
    , m_name(std::move(name))
{
    m_fd = openat(folderFd, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (m_fd >= 0 && !unnamedFilesCanBeLinked()) {
        ::close(m_fd);
        m_fd = -1;
        errno = EOPNOTSUPP;
    }
    if (m_fd >= 0 || !noUnnamedFiles(errno))
        return;
    m_temporary = MakeUnderTemporaryName([&](const char *temporary) {
        m_fd = openat(folderFd, temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        return m_fd >= 0;
    });
}

NewFile::~NewFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (!m_temporary.empty())
        unlinkat(m_folder, m_temporary.c_str(), 0);
}

bool NewFile::sync()
{
    if (!m_synced)
        m_synced = m_fd >= 0 && fsync(m_fd) == 0;
    return m_synced;
}

bool NewFile::publish(bool replace)
{
    const bool placed = place(replace);
    // A synced file's name is made as durable as its content.
    if (placed && m_synced)
        SyncFolder(m_folder);
    return placed;
}

bool NewFile::close()
{
    const int fd = std::exchange(m_fd, -1);
    return fd < 0 || ::close(fd) == 0;
}

bool NewFile::place(bool replace)
{
    if (m_fd < 0) {
        errno = EBADF;
        return false;
    }
    if (takeFreeName())
        return true;
    if (errno != EEXIST || !replace || !sync())
        return false;
    if (m_temporary.empty()) {
        m_temporary = MakeUnderTemporaryName([this](const char *name) { return linkUnnamed(m_fd, m_folder, name); });
        if (m_temporary.empty())
            return false;
    }
    return renameOver();
}

bool NewFile::renameOver()
{
    if (renameat(m_folder, m_temporary.c_str(), m_folder, m_name.c_str()) != 0)
        return false;
    m_temporary.clear();
    return true;
}

// Gives the file its name only while nothing has it (EEXIST otherwise).
bool NewFile::takeFreeName()
{
    if (m_temporary.empty())
        return linkUnnamed(m_fd, m_folder, m_name.c_str());
    const char *temporary = m_temporary.c_str();
    const char *name = m_name.c_str();
    if (renameat2(m_folder, temporary, m_folder, name, RENAME_NOREPLACE) == 0) {
        m_temporary.clear();
        return true;
    }
    if (!notSupported(errno))
        return false;
    // Without that rename a second name, which is made only while it is
    // free; without either, a rename once the name was seen free.
    if (linkat(m_folder, temporary, m_folder, name, 0) == 0) {
        unlinkat(m_folder, temporary, 0);
        m_temporary.clear();
        return true;
    }
    if (!notSupported(errno))
        return false;
    struct stat there;
    if (fstatat(m_folder, name, &there, AT_SYMLINK_NOFOLLOW) == 0) {
        errno = EEXIST;
        return false;
    }
    return errno == ENOENT && renameOver();
}
