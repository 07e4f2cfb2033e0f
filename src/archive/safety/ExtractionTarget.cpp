#include "archive/safety/ExtractionTarget.h"

#include "platform/native/NewFile.h"
#include "platform/native/PlaceName.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr size_t kCopyBlock = 1 << 20;

int openBelow(int folder, const std::string &name)
{
    return openat(folder, name.c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
}

// The file system cannot give a file a second name here.
bool linkImpossible(int error)
{
    return error == EPERM || error == EMLINK || error == EXDEV || error == ENOTSUP;
}

} // namespace

std::string ExtractFailure::text() const
{
    if (problem != EntryPath::Problem::None)
        return EntryPath::text(problem);
    return WriteErrorText(error);
}

const char *WriteErrorText(int error)
{
    switch (error) {
    case ENOSPC:
        return "kein Platz mehr auf dem Datenträger";
    case EDQUOT:
        return "Speicherplatz des Benutzers erschöpft";
    case ENAMETOOLONG:
        return "Dateiname zu lang";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert";
    case EROFS:
        return "Datenträger ist schreibgeschützt";
    case EEXIST:
        return "Datei existiert bereits";
    case EISDIR:
        return "ein Verzeichnis dieses Namens existiert bereits";
    case ENOTDIR:
        return "Pfad führt über eine Datei";
    case ENOENT:
        return "Zielverzeichnis nicht mehr vorhanden";
    default:
        return "Schreibfehler";
    }
}

ExtractionTarget::ExtractionTarget(int rootFd)
    : m_root(rootFd)
{
}

ExtractionTarget::~ExtractionTarget()
{
    if (m_folderFd >= 0 && m_folderFd != m_root)
        close(m_folderFd);
    if (m_root >= 0)
        close(m_root);
}

int ExtractionTarget::openFolder(const char *path)
{
    const int fd = open(path, O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (faccessat(fd, ".", X_OK, AT_EACCESS) != 0) {
        const int error = errno;
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

int ExtractionTarget::walk(const std::vector<std::string> &parts, size_t count, bool make,
                           ExtractFailure &failure) const
{
    int folder = dup(m_root);
    for (size_t i = 0; i < count && folder >= 0; ++i) {
        int next = openBelow(folder, parts[i]);
        if (next < 0 && errno == ENOENT && make) {
            if (mkdirat(folder, parts[i].c_str(), 0777) == 0 || errno == EEXIST)
                next = openBelow(folder, parts[i]);
        }
        if (next < 0) {
            failure.error = errno;
            struct stat info {};
            if (lookAt(folder, parts[i], info) && S_ISLNK(info.st_mode))
                failure.problem = EntryPath::Problem::ThroughLink;
        }
        close(folder);
        folder = next;
    }
    if (folder < 0 && failure.error == 0)
        failure.error = errno;
    return folder;
}

bool ExtractionTarget::makeFolders(const std::vector<std::string> &parts, ExtractFailure &failure)
{
    const int folder = walk(parts, parts.size(), true, failure);
    if (folder < 0)
        return false;
    close(folder);
    return true;
}

int ExtractionTarget::folderOf(const std::vector<std::string> &parts, ExtractFailure &failure)
{
    const size_t count = parts.empty() ? 0 : parts.size() - 1;
    const std::string path = EntryPath::join(parts, count);
    if (m_folderFd >= 0 && path == m_folderPath)
        return m_folderFd;
    const int folder = walk(parts, count, true, failure);
    if (folder < 0)
        return -1;
    if (m_folderFd >= 0)
        close(m_folderFd);
    m_folderFd = folder;
    m_folderPath = path;
    return folder;
}

bool ExtractionTarget::lookAt(int folder, const std::string &leaf, struct stat &info)
{
    return fstatat(folder, leaf.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool ExtractionTarget::putSymlink(int folder, const std::string &leaf, const std::string &target, bool replace,
                                  ExtractFailure &failure)
{
    const bool done = PlaceSymlink(folder, leaf, target, replace);
    failure.error = done ? 0 : errno;
    return done;
}

bool ExtractionTarget::putHardLink(int folder, const std::string &leaf, const std::string &targetName, bool copy,
                                   bool replace, ExtractFailure &failure)
{
    std::vector<std::string> target;
    failure.problem = EntryPath::split(targetName, target);
    if (failure.problem != EntryPath::Problem::None) {
        failure.problem = EntryPath::Problem::LinkLeaves;
        return false;
    }
    const auto written = m_written.find(EntryPath::join(target, target.size()));
    if (written == m_written.end() || !written->second) {
        failure.problem = EntryPath::Problem::LinkTargetMissing;
        return false;
    }
    const int targetFolder = walk(target, target.size() - 1, false, failure);
    if (targetFolder < 0)
        return false;
    bool done = false;
    if (!copy) {
        done = PlaceHardLink(targetFolder, target.back(), folder, leaf, replace);
        failure.error = done ? 0 : errno;
    }
    if (!done && (copy || linkImpossible(failure.error))) {
        const int source = openat(targetFolder, target.back().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        failure.error = source < 0 ? errno : 0;
        done = source >= 0 && copyInto(source, folder, leaf, replace, failure);
        if (source >= 0)
            close(source);
    }
    close(targetFolder);
    return done;
}

bool ExtractionTarget::copyInto(int source, int folder, const std::string &leaf, bool replace, ExtractFailure &failure)
{
    struct stat info {};
    if (fstat(source, &info) != 0) {
        failure.error = errno;
        return false;
    }
    NewFile file(folder, leaf, info.st_mode & 07777);
    if (file.fd() < 0) {
        failure.error = errno;
        return false;
    }
    std::vector<char> buffer(kCopyBlock);
    for (;;) {
        const ssize_t got = read(source, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got == 0)
            break;
        if (got < 0 || !WriteAll(file.fd(), buffer.data(), static_cast<size_t>(got))) {
            failure.error = errno;
            return false;
        }
    }
    const struct timespec times[2] = {info.st_atim, info.st_mtim};
    futimens(file.fd(), times);
    if (!file.publish(replace)) {
        failure.error = errno;
        return false;
    }
    return true;
}
