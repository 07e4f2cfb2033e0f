#include "platform/FileOperations.h"

#include <QFile>
#include <QStorageInfo>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileOperations {

namespace {

QByteArray encoded(const QString &path)
{
    return QFile::encodeName(path);
}

bool lstatPath(const QString &path, struct stat &info)
{
    return !path.isEmpty() && ::lstat(encoded(path).constData(), &info) == 0;
}

QString systemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace

bool isLink(const QString &path)
{
    struct stat info;
    return lstatPath(path, info) && S_ISLNK(info.st_mode);
}

bool isRealFolder(const QString &path)
{
    struct stat info;
    return lstatPath(path, info) && S_ISDIR(info.st_mode);
}

bool entryExists(const QString &path)
{
    struct stat info;
    return lstatPath(path, info);
}

qint64 entrySize(const QString &path)
{
    struct stat info;
    return lstatPath(path, info) ? qint64(info.st_size) : 0;
}

QList<ListedEntry> listFolder(const QString &folder)
{
    QList<ListedEntry> entries;
    const QByteArray path = encoded(folder);
    DIR *dir = ::opendir(path.constData());
    if (!dir)
        return entries;
    while (const dirent *entry = ::readdir(dir)) {
        const char *raw = entry->d_name;
        if (raw[0] == '.' && (raw[1] == '\0' || (raw[1] == '.' && raw[2] == '\0')))
            continue;
        const QString name = QFile::decodeName(raw);
        if (encoded(name) != raw)
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat info;
            if (::fstatat(::dirfd(dir), raw, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISLNK(info.st_mode) ? DT_LNK : DT_REG;
        }
        entries.append({name, type == DT_DIR, type == DT_LNK});
    }
    ::closedir(dir);
    return entries;
}

bool copyLink(const QString &source, const QString &target, QString *error)
{
    QByteArray text(4096, '\0');
    const ssize_t length = ::readlink(encoded(source).constData(), text.data(), text.size());
    if (length < 0) {
        if (error)
            *error = systemError(errno);
        return false;
    }
    text.truncate(length);
    ::unlink(encoded(target).constData());
    if (::symlink(text.constData(), encoded(target).constData()) != 0) {
        if (error)
            *error = systemError(errno);
        return false;
    }
    return true;
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
    const QStorageInfo storage(path);
    return storage.isValid() && storage.isReady() ? storage.bytesAvailable() : -1;
}

qint64 totalBytes(const QString &path)
{
    const QStorageInfo storage(path);
    return storage.isValid() && storage.isReady() ? storage.bytesTotal() : -1;
}

bool moveToTrash(const QString &path)
{
    return QFile::moveToTrash(path);
}

BlockCopy::~BlockCopy()
{
    close();
}

void BlockCopy::fail()
{
    m_error = systemError(errno);
}

bool BlockCopy::open(const QString &source, const QString &target, bool mayExist, bool carryPermissions)
{
    close();
    m_error.clear();
    m_in = ::open(encoded(source).constData(), O_RDONLY | O_CLOEXEC);
    if (m_in < 0) {
        fail();
        return false;
    }
    // A link or a read-only file of the target's name is replaced, not
    // written through.
    struct stat existing;
    if (mayExist && lstatPath(target, existing) && !S_ISDIR(existing.st_mode))
        ::unlink(encoded(target).constData());
    m_out = ::open(encoded(target).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    struct stat sourceInfo;
    if (m_out < 0
        || (carryPermissions
            && (::fstat(m_in, &sourceInfo) != 0 || ::fchmod(m_out, sourceInfo.st_mode & 07777) != 0))) {
        fail();
        const bool created = m_out >= 0;
        const QString reason = m_error;
        close();
        if (created)
            ::unlink(encoded(target).constData());
        m_error = reason;
        return false;
    }
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
    if (got < 0) {
        fail();
        return -1;
    }
    qint64 written = 0;
    while (written < got) {
        const ssize_t put = ::write(m_out, m_buffer.constData() + written, size_t(got - written));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = ENOSPC;
            fail();
            return -1;
        }
        written += put;
    }
    return got;
}

qint64 BlockCopy::copyBlock(qint64 size)
{
    if (m_in < 0 || m_out < 0)
        return -1;
    if (m_inKernel) {
        const ssize_t moved = ::copy_file_range(m_in, nullptr, m_out, nullptr, size_t(size), 0);
        if (moved >= 0)
            return moved;
        if (errno != EXDEV && errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP && errno != EPERM) {
            fail();
            return -1;
        }
        m_inKernel = false;
    }
    return copyThroughBuffer(size);
}

bool BlockCopy::close()
{
    bool ok = true;
    if (m_out >= 0) {
        if (::close(m_out) != 0) {
            fail();
            ok = false;
        }
        m_out = -1;
    }
    if (m_in >= 0) {
        ::close(m_in);
        m_in = -1;
    }
    return ok;
}

} // namespace FileOperations
