#include "platform/FileOperations.h"

#include "platform/NativeNames.h"
#include "platform/SystemErrorText.h"
#include "platform/native/NewFile.h"
#include "platform/native/PlaceName.h"

#include <QDir>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace FileOperations {

namespace {

QByteArray encoded(const QString &path)
{
    return NativeNames::encode(path);
}

bool isSelfOrParent(const char *name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

bool lstatPath(const QString &path, struct stat &info)
{
    return !path.isEmpty() && ::lstat(encoded(path).constData(), &info) == 0;
}

void setError(QString *error, int code)
{
    if (error)
        *error = SystemErrorText(code);
}

bool sameIdentity(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The deepest folder of the absolute, cleaned path that exists, opened.
int openDeepestFolder(QString path)
{
    for (;;) {
        const int fd = ::open(encoded(path).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0 || path == QLatin1String("/"))
            return fd;
        const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
        path = slash <= 0 ? QStringLiteral("/") : path.left(slash);
    }
}

} // namespace

Status status(const QString &path)
{
    Status result;
    struct stat info;
    if (!lstatPath(path, info))
        return result;
    result.exists = true;
    result.folder = S_ISDIR(info.st_mode);
    result.link = S_ISLNK(info.st_mode);
    result.size = qint64(info.st_size);
    result.modifiedMs = qint64(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1'000'000;
    return result;
}

bool isLink(const QString &path)
{
    return status(path).link;
}

bool isRealFolder(const QString &path)
{
    return status(path).folder;
}

bool entryExists(const QString &path)
{
    return status(path).exists;
}

qint64 entrySize(const QString &path)
{
    return status(path).size;
}

QList<ListedEntry> listFolder(const QString &folder)
{
    QList<ListedEntry> entries;
    DIR *dir = ::opendir(encoded(folder).constData());
    if (!dir)
        return entries;
    while (const dirent *entry = ::readdir(dir)) {
        const char *raw = entry->d_name;
        if (isSelfOrParent(raw))
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info;
            if (::fstatat(::dirfd(dir), raw, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
        }
        entries.append({NativeNames::decode(raw), type == DT_DIR, type == DT_LNK});
    }
    ::closedir(dir);
    return entries;
}

qint64 filesBytes(const QString &folder, QStringList &subfolders)
{
    qint64 bytes = 0;
    DIR *dir = ::opendir(encoded(folder).constData());
    if (!dir)
        return 0;
    while (const dirent *entry = ::readdir(dir)) {
        const char *raw = entry->d_name;
        if (isSelfOrParent(raw))
            continue;
        struct stat info;
        const bool folder =
            entry->d_type == DT_DIR
            || (entry->d_type == DT_UNKNOWN && ::fstatat(::dirfd(dir), raw, &info, AT_SYMLINK_NOFOLLOW) == 0
                && S_ISDIR(info.st_mode));
        if (folder)
            subfolders.append(NativeNames::decode(raw));
        else if (::fstatat(::dirfd(dir), raw, &info, AT_SYMLINK_NOFOLLOW) == 0)
            bytes += qint64(info.st_size);
    }
    ::closedir(dir);
    return bytes;
}

bool copyLink(const QString &source, const QString &target, bool replace, QString *error)
{
    QByteArray text(4096, '\0');
    const ssize_t length = ::readlink(encoded(source).constData(), text.data(), text.size());
    if (length < 0) {
        setError(error, errno);
        return false;
    }
    text.truncate(length);
    const FolderOfPath folder(encoded(target).toStdString());
    if (folder.fd() >= 0 && PlaceSymlink(folder.fd(), folder.leaf(), text.toStdString(), replace))
        return true;
    setError(error, errno);
    return false;
}

bool removeFile(const QString &path)
{
    return ::unlink(encoded(path).constData()) == 0;
}

bool removeFolder(const QString &path)
{
    return ::rmdir(encoded(path).constData()) == 0;
}

bool makeFolders(const QString &folder)
{
    const QByteArray path = encoded(QDir::cleanPath(folder));
    for (qsizetype end = path.indexOf('/', 1); end != -1; end = path.indexOf('/', end + 1))
        ::mkdir(path.left(end).constData(), 0777);
    ::mkdir(path.constData(), 0777);
    struct stat info;
    return ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool renameNew(const QString &from, const QString &to)
{
    const QByteArray source = encoded(from);
    const QByteArray target = encoded(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return true;
    // File systems without the flag: the name is looked at first.
    struct stat info;
    if ((errno != EINVAL && errno != ENOSYS) || ::lstat(target.constData(), &info) == 0)
        return false;
    return ::rename(source.constData(), target.constData()) == 0;
}

bool isReadOnly(const QString &path)
{
    struct stat info;
    return lstatPath(path, info) && !S_ISLNK(info.st_mode) && !(info.st_mode & S_IWUSR);
}

bool setReadOnly(const QString &path, bool readOnly)
{
    struct stat info;
    if (!lstatPath(path, info) || S_ISLNK(info.st_mode))
        return false;
    mode_t mode = info.st_mode & 07777;
    mode = readOnly ? (mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) : (mode | S_IWUSR);
    return ::chmod(encoded(path).constData(), mode) == 0;
}

bool isHiddenName(const QString &name)
{
    return name.startsWith(QLatin1Char('.'));
}

qint64 freeBytes(const QString &path)
{
    struct statvfs info;
    if (path.isEmpty() || ::statvfs(encoded(path).constData(), &info) != 0)
        return -1;
    return qint64(info.f_bavail) * qint64(info.f_frsize);
}

qint64 totalBytes(const QString &path)
{
    struct statvfs info;
    if (path.isEmpty() || ::statvfs(encoded(path).constData(), &info) != 0)
        return -1;
    return qint64(info.f_blocks) * qint64(info.f_frsize);
}

bool sameEntry(const QString &a, const QString &b)
{
    struct stat first;
    struct stat second;
    return ::stat(encoded(a).constData(), &first) == 0 && ::stat(encoded(b).constData(), &second) == 0
           && sameIdentity(first, second);
}

bool isWithin(const QString &path, const QString &folder)
{
    struct stat wanted;
    if (::stat(encoded(folder).constData(), &wanted) != 0)
        return false;
    int fd = openDeepestFolder(QDir::cleanPath(QDir::current().absoluteFilePath(path)));
    // Up through "..": the real parents, whatever names led here.
    for (int depth = 0; fd >= 0 && depth < 4096; ++depth) {
        struct stat here;
        if (::fstat(fd, &here) != 0)
            break;
        if (sameIdentity(here, wanted)) {
            ::close(fd);
            return true;
        }
        const int parent = ::openat(fd, "..", O_PATH | O_DIRECTORY | O_CLOEXEC);
        struct stat above;
        const bool atTop = parent < 0 || ::fstat(parent, &above) != 0 || sameIdentity(above, here);
        ::close(fd);
        fd = atTop ? -1 : parent;
        if (atTop && parent >= 0)
            ::close(parent);
    }
    if (fd >= 0)
        ::close(fd);
    return false;
}

BlockCopy::BlockCopy() = default;

BlockCopy::~BlockCopy()
{
    discard();
}

bool BlockCopy::fail()
{
    return fail(errno);
}

bool BlockCopy::fail(int code)
{
    m_error = SystemErrorText(code);
    discard();
    return false;
}

bool BlockCopy::open(const QString &source, const QString &target, bool carryPermissions)
{
    discard();
    m_error.clear();
    // Not blocking on a pipe without a writer; only regular files are read
    // (they ignore O_NONBLOCK).
    m_in = ::open(encoded(source).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat sourceInfo;
    if (m_in < 0 || ::fstat(m_in, &sourceInfo) != 0)
        return fail();
    if (!S_ISREG(sourceInfo.st_mode)) {
        discard();
        m_error = QStringLiteral("Keine gewöhnliche Datei (Gerät, Pipe oder Socket)");
        return false;
    }
    m_folder = std::make_unique<FolderOfPath>(encoded(target).toStdString());
    if (m_folder->fd() < 0)
        return fail();
    m_out = std::make_unique<NewFile>(m_folder->fd(), m_folder->leaf(), 0666);
    if (m_out->fd() < 0 || (carryPermissions && ::fchmod(m_out->fd(), sourceInfo.st_mode & 07777) != 0))
        return fail();
    m_inKernel = true;
    return true;
}

qint64 BlockCopy::copyThroughBuffer(qint64 size)
{
    if (m_buffer.size() < size)
        m_buffer.resize(size);
    ssize_t got;
    do
        got = ::read(m_in, m_buffer.data(), size_t(size));
    while (got < 0 && errno == EINTR);
    if (got < 0 || !WriteAll(m_out->fd(), m_buffer.constData(), size_t(got))) {
        m_error = SystemErrorText(errno);
        return -1;
    }
    return got;
}

qint64 BlockCopy::copyBlock(qint64 size)
{
    if (m_in < 0 || !m_out)
        return -1;
    if (m_inKernel) {
        const ssize_t moved = ::copy_file_range(m_in, nullptr, m_out->fd(), nullptr, size_t(size), 0);
        if (moved >= 0)
            return moved;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP && errno != EPERM) {
            m_error = SystemErrorText(errno);
            return -1;
        }
        m_inKernel = false;
    }
    return copyThroughBuffer(size);
}

bool BlockCopy::commit(bool replace)
{
    if (m_in < 0 || !m_out)
        return false;
    // What may replace an older file is on the disk before the name moves.
    if ((replace && !m_out->sync()) || !m_out->publish(replace))
        return fail();
    // A late write error: a new name must not keep the incomplete copy.
    if (!m_out->close()) {
        const int error = errno;
        if (!replace)
            ::unlinkat(m_folder->fd(), m_folder->leaf().c_str(), 0);
        return fail(error);
    }
    discard();
    return true;
}

void BlockCopy::discard()
{
    m_out.reset();
    m_folder.reset();
    if (m_in >= 0) {
        ::close(m_in);
        m_in = -1;
    }
}

} // namespace FileOperations
