#include "platform/SafeSave.h"

#include "platform/NativeNames.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNameTries = 100;

// name + "." + six random letters or digits.
QByteArray randomNameBeside(const QByteArray &name)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray result = name + '.';
    for (int i = 0; i < 6; ++i)
        result += kLetters[QRandomGenerator::global()->bounded(int(sizeof(kLetters) - 1))];
    return result;
}

QByteArray descriptorPath(int fd)
{
    return "/proc/self/fd/" + QByteArray::number(fd);
}

// Links the file behind from (a path or, with an empty path, the descriptor
// fd) under a new random name beside near; false with errno set.
bool linkUnderNewName(int fd, const QByteArray &from, const QByteArray &near, QByteArray &name)
{
    for (int tries = 0; tries < kNameTries; ++tries) {
        const QByteArray candidate = randomNameBeside(near);
        const int done = from.isEmpty()
                             ? ::linkat(fd, "", AT_FDCWD, candidate.constData(), AT_EMPTY_PATH)
                             : ::linkat(AT_FDCWD, from.constData(), AT_FDCWD, candidate.constData(), AT_SYMLINK_FOLLOW);
        if (done == 0) {
            name = candidate;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Makes the rename itself durable; a folder that cannot be synced changes
// nothing about the result.
void syncFolderOf(const QByteArray &path)
{
    const QByteArray folder = NativeNames::encode(QFileInfo(NativeNames::decode(path)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool copyInto(SafeSave &copy, const QString &source)
{
    QFile in(source);
    bool ok = copy.open() && in.open(QIODevice::ReadOnly);
    while (ok && !in.atEnd()) {
        const QByteArray block = in.read(1 << 20);
        ok = in.error() == QFileDevice::NoError && copy.write(block);
    }
    return ok && copy.commit();
}

} // namespace

namespace FileSystem {

QString linkTarget(const QString &path)
{
    QString current = path;
    for (int depth = 0; depth < 40; ++depth) {
        QByteArray next(PATH_MAX, '\0');
        const ssize_t length = ::readlink(NativeNames::encode(current).constData(), next.data(), next.size());
        if (length < 0)
            return current;
        next.truncate(length);
        const QString target = NativeNames::decode(next);
        current = QDir::cleanPath(target.startsWith(QLatin1Char('/'))
                                      ? target
                                      : QFileInfo(current).absolutePath() + QLatin1Char('/') + target);
    }
    return path;
}

Stamp stampOf(const QString &path)
{
    struct stat info;
    if (::stat(NativeNames::encode(path).constData(), &info) != 0)
        return {};
    const auto nanoseconds = [](const struct timespec &time) {
        return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
    };
    return {true,
            qint64(info.st_size),
            nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim),
            quint64(info.st_dev),
            quint64(info.st_ino)};
}

bool makeBackupCopy(const QString &source, const QString &backup)
{
    const QString real = linkTarget(source);
    const QByteArray from = NativeNames::encode(real);
    const QByteArray to = NativeNames::encode(backup);
    struct stat sourceInfo;
    struct stat backupInfo;
    if (::stat(from.constData(), &sourceInfo) != 0 || !S_ISREG(sourceInfo.st_mode))
        return false;
    // A backup that is another name of the source holds its content already.
    if (::lstat(to.constData(), &backupInfo) == 0 && sameFile(sourceInfo, backupInfo))
        return true;
    QByteArray temporary;
    if (linkUnderNewName(-1, from, to, temporary)) {
        const bool moved = ::rename(temporary.constData(), to.constData()) == 0;
        // Renaming onto another name of the same file does nothing, so the
        // temporary name may still be there.
        ::unlink(temporary.constData());
        if (moved)
            syncFolderOf(to);
        return moved;
    }
    SafeSave copy(backup);
    copy.setMode(sourceInfo.st_mode & 07777);
    return copyInto(copy, real);
}

} // namespace FileSystem

SafeSave::SafeSave(const QString &fileName, Replace replace)
    : m_target(replace == Replace::Content ? FileSystem::linkTarget(fileName) : fileName)
    , m_replace(replace)
{
}

SafeSave::~SafeSave()
{
    cancel();
}

bool SafeSave::fail(int error)
{
    return fail(qt_error_string(error));
}

bool SafeSave::fail(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = reason;
    cancel();
    return false;
}

bool SafeSave::open()
{
    cancel();
    m_error.clear();
    const QByteArray target = NativeNames::encode(m_target);
    struct stat old;
    const bool entry = m_replace == Replace::Entry;
    const bool exists = (entry ? ::lstat(target.constData(), &old) : ::stat(target.constData(), &old)) == 0;
    if (!exists && errno != ENOENT)
        return fail(errno);
    if (exists && !S_ISREG(old.st_mode) && !(entry && S_ISLNK(old.st_mode)))
        return fail(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
    m_keepsOld = exists && !entry;
    if (m_keepsOld) {
        if (::access(target.constData(), W_OK) != 0)
            return fail(errno);
        m_owner = old.st_uid;
        m_group = old.st_gid;
        if (!m_modeSet)
            m_mode = old.st_mode & 07777;
    }
    // Until commit() an old file's content stays the owner's only.
    const mode_t mode = m_keepsOld ? 0600 : 0666;
    const QByteArray folder = NativeNames::encode(QFileInfo(m_target).absolutePath());
    m_fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (m_fd >= 0 && ::access(descriptorPath(m_fd).constData(), F_OK) != 0 && ::geteuid() != 0) {
        ::close(m_fd);
        m_fd = -1;
        errno = EOPNOTSUPP;
    }
    if (m_fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        for (int tries = 0; tries < kNameTries && m_fd < 0; ++tries) {
            m_named = randomNameBeside(target);
            m_fd = ::open(m_named.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, mode);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            m_named.clear();
    }
    if (m_fd < 0)
        return fail(errno);
    m_file.open(m_fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle);
    m_ok = true;
    return true;
}

bool SafeSave::write(QByteArrayView bytes)
{
    if (!m_ok)
        return false;
    const char *data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t put = ::write(m_fd, data, size_t(left));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            const int error = put == 0 ? ENOSPC : errno;
            m_ok = false;
            m_error = qt_error_string(error);
            return false;
        }
        data += put;
        left -= put;
    }
    return true;
}

QString SafeSave::writePath() const
{
    if (m_fd < 0)
        return {};
    return NativeNames::decode(m_named.isEmpty() ? descriptorPath(m_fd) : m_named);
}

void SafeSave::setMode(unsigned mode)
{
    m_mode = mode & 07777;
    m_modeSet = true;
}

void SafeSave::applyOwnerAndMode()
{
    // The owner first: changing it may clear the set-user-ID bits.
    if (m_keepsOld) {
        struct stat now;
        if (::fstat(m_fd, &now) == 0 && (now.st_uid != m_owner || now.st_gid != m_group))
            ::fchown(m_fd, m_owner, m_group);
    }
    if (m_keepsOld || m_modeSet)
        ::fchmod(m_fd, m_mode);
}

bool SafeSave::linkBeside(QByteArray &name)
{
    const QByteArray target = NativeNames::encode(m_target);
    if (linkUnderNewName(-1, descriptorPath(m_fd), target, name)
        || (errno != EEXIST && linkUnderNewName(m_fd, QByteArray(), target, name))) {
        m_named = name;
        return true;
    }
    return false;
}

bool SafeSave::commit()
{
    if (!m_ok)
        return fail(m_error.isEmpty() ? qt_error_string(EBADF) : m_error);
    if (m_file.error() != QFileDevice::NoError)
        return fail(m_file.errorString());
    if (::fsync(m_fd) != 0)
        return fail(errno);
    applyOwnerAndMode();
    QByteArray name = m_named;
    if (name.isEmpty() && !linkBeside(name))
        return fail(errno);
    const QByteArray target = NativeNames::encode(m_target);
    if (::rename(name.constData(), target.constData()) != 0)
        return fail(errno);
    m_named.clear();
    syncFolderOf(target);
    closeFile();
    m_ok = false;
    return true;
}

void SafeSave::closeFile()
{
    m_file.close();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void SafeSave::cancel()
{
    if (!m_named.isEmpty())
        ::unlink(m_named.constData());
    m_named.clear();
    closeFile();
    m_ok = false;
}

bool WriteFileSafely(const QString &fileName, QByteArrayView bytes, QString *errorText)
{
    SafeSave file(fileName);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok && errorText)
        *errorText = file.errorString();
    return ok;
}
