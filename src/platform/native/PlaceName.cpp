#include "platform/native/PlaceName.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/random.h>
#include <unistd.h>

namespace {

constexpr int kNameTries = 16;

// Renames temporary in folder to leaf; the temporary name is gone
// afterwards either way. False with errno set.
bool renameOver(int folder, const std::string &temporary, const std::string &leaf)
{
    const bool moved = renameat(folder, temporary.c_str(), folder, leaf.c_str()) == 0;
    const int error = errno;
    // Renaming onto another name of the same file does nothing and keeps
    // the temporary name.
    unlinkat(folder, temporary.c_str(), 0);
    errno = error;
    return moved;
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

std::string MakeUnderTemporaryName(const std::function<bool(const char *name)> &make)
{
    for (int i = 0; i < kNameTries; ++i) {
        std::string name = TemporaryName();
        if (make(name.c_str()))
            return name;
        if (errno != EEXIST)
            break;
    }
    return {};
}

bool PlaceSymlink(int folder, const std::string &leaf, const std::string &target, bool replace)
{
    if (symlinkat(target.c_str(), folder, leaf.c_str()) == 0)
        return true;
    if (errno != EEXIST || !replace)
        return false;
    const std::string temporary =
        MakeUnderTemporaryName([&](const char *name) { return symlinkat(target.c_str(), folder, name) == 0; });
    return !temporary.empty() && renameOver(folder, temporary, leaf);
}

bool PlaceHardLink(int fromFolder, const std::string &from, int folder, const std::string &leaf, bool replace)
{
    if (linkat(fromFolder, from.c_str(), folder, leaf.c_str(), 0) == 0)
        return true;
    if (errno != EEXIST || !replace)
        return false;
    const std::string temporary = MakeUnderTemporaryName(
        [&](const char *name) { return linkat(fromFolder, from.c_str(), folder, name, 0) == 0; });
    return !temporary.empty() && renameOver(folder, temporary, leaf);
}

FolderOfPath::FolderOfPath(const std::string &path)
{
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    m_leaf = slash == std::string::npos ? path : path.substr(slash + 1);
    m_fd = open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
}

FolderOfPath::~FolderOfPath()
{
    if (m_fd >= 0)
        close(m_fd);
}

void SyncFolder(int folder)
{
    const int fd = openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

void FolderOfPath::sync() const
{
    SyncFolder(m_fd);
}
