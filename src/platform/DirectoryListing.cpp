#include "platform/DirectoryListing.h"

#include "platform/NativeNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

qint64 Milliseconds(const struct statx_timestamp &stamp)
{
    return qint64(stamp.tv_sec) * 1000 + stamp.tv_nsec / 1'000'000;
}

// The facts of name (relative to folder), links followed; a broken link as
// itself.
bool Query(int folder, const char *name, DirectoryListing::Item &item)
{
    constexpr unsigned mask =
        STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_MTIME | STATX_ATIME | STATX_BTIME | STATX_CTIME;
    struct statx facts {};
    if (::statx(folder, name, AT_STATX_SYNC_AS_STAT, mask, &facts) != 0
        && ::statx(folder, name, AT_STATX_SYNC_AS_STAT | AT_SYMLINK_NOFOLLOW, mask, &facts) != 0)
        return false;
    item.isFolder = S_ISDIR(facts.stx_mode);
    item.ownerWritable = facts.stx_mode & S_IWUSR;
    item.size = qint64(facts.stx_size);
    if (facts.stx_mask & STATX_MTIME)
        item.modifiedMs = Milliseconds(facts.stx_mtime);
    if (facts.stx_mask & STATX_BTIME)
        item.createdMs = Milliseconds(facts.stx_btime);
    if (facts.stx_mask & STATX_ATIME)
        item.accessedMs = Milliseconds(facts.stx_atime);
    if (facts.stx_mask & STATX_CTIME)
        item.changedMs = Milliseconds(facts.stx_ctime);
    return true;
}

} // namespace

namespace DirectoryListing {

bool query(const QString &path, Item &item)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    item = Item();
    item.name = path.mid(slash + 1);
    return !path.isEmpty() && Query(AT_FDCWD, NativeNames::encode(path).constData(), item);
}

bool list(const QString &folder, const std::function<bool(const Item &item)> &each)
{
    DIR *dir = ::opendir(NativeNames::encode(folder).constData());
    if (!dir)
        return false;
    const int fd = ::dirfd(dir);
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')))
            continue;
        Item item;
        if (!Query(fd, name, item))
            continue; // vanished since it was read
        item.name = NativeNames::decode(name);
        if (!each(item))
            break;
    }
    ::closedir(dir);
    return true;
}

} // namespace DirectoryListing
