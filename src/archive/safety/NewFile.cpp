#include "archive/safety/NewFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

namespace {

constexpr int kNameTries = 16;

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

} // namespace

std::string TemporaryName()
{
    static std::atomic<unsigned long long> counter{0};
    unsigned long long value = 0;
    if (getrandom(&value, sizeof value, GRND_NONBLOCK) != sizeof value)
        value = (static_cast<unsigned long long>(getpid()) << 32) + ++counter;
    char name[32];
    std::snprintf(name, sizeof name, ".brekko-%012llx", value & 0xffffffffffffULL);
    return name;
}

bool WriteAll(int fd, const void *data, size_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        const ssize_t written = write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
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
    if (m_fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL))
        return;
    for (int i = 0; i < kNameTries && m_fd < 0; ++i) {
        m_temporary = TemporaryName();
        m_fd = openat(folderFd, m_temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0)
        m_temporary.clear();
}

NewFile::~NewFile()
{
    if (m_fd >= 0)
        close(m_fd);
    if (!m_published && !m_temporary.empty())
        unlinkat(m_folder, m_temporary.c_str(), 0);
}

bool NewFile::linkAs(const std::string &name)
{
    if (m_temporary.empty())
        return linkUnnamed(m_fd, m_folder, name.c_str());
    if (name == m_temporary)
        return true;
    return linkat(m_folder, m_temporary.c_str(), m_folder, name.c_str(), 0) == 0
           && unlinkat(m_folder, m_temporary.c_str(), 0) == 0;
}

bool NewFile::publish(bool replace)
{
    if (m_fd < 0)
        return false;
    m_published = linkAs(m_name);
    if (m_published || errno != EEXIST || !replace)
        return m_published;
    std::string temporary = m_temporary;
    for (int i = 0; i < kNameTries && temporary.empty(); ++i) {
        temporary = TemporaryName();
        if (!linkAs(temporary)) {
            temporary.clear();
            if (errno != EEXIST)
                return false;
        }
    }
    if (temporary.empty())
        return false;
    m_temporary = temporary;
    m_published = renameat(m_folder, temporary.c_str(), m_folder, m_name.c_str()) == 0;
    return m_published;
}
