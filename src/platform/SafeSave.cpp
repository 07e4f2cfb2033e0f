#include "platform/SafeSave.h"

#include "platform/NativeNames.h"
#include "platform/SystemErrorText.h"
#include "platform/native/NewFile.h"
#include "platform/native/PlaceName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The new file as a device: every write goes through SafeSave::write().
class SafeSave::Device : public QIODevice {
public:
    explicit Device(SafeSave &save)
        : m_save(save)
    {
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        return m_save.write(QByteArrayView(data, length)) ? length : -1;
    }

private:
    SafeSave &m_save;
};

namespace {

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool copyInto(SafeSave &copy, const QString &source)
{
    QFile in;
    const int fd = ::open(NativeNames::encode(source).constData(), O_RDONLY | O_CLOEXEC);
    bool ok = fd >= 0 && in.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) && copy.open();
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
    const FolderOfPath folder(to.toStdString());
    if (folder.fd() >= 0 && PlaceHardLink(AT_FDCWD, from.toStdString(), folder.fd(), folder.leaf(), true)) {
        folder.sync();
        return true;
    }
    SafeSave copy(backup);
    copy.setMode(sourceInfo.st_mode & 07777);
    return copyInto(copy, real);
}

} // namespace FileSystem

SafeSave::SafeSave(const QString &fileName, Replace replace)
    : m_target(replace == Replace::Content ? FileSystem::linkTarget(fileName) : fileName)
    , m_replace(replace)
    , m_device(std::make_unique<Device>(*this))
{
}

SafeSave::~SafeSave()
{
    cancel();
}

QIODevice &SafeSave::device()
{
    return *m_device;
}

int SafeSave::handle() const
{
    return m_file ? m_file->fd() : -1;
}

bool SafeSave::fail(int error)
{
    return fail(SystemErrorText(error));
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
    m_folder = std::make_unique<FolderOfPath>(target.toStdString());
    if (m_folder->fd() < 0)
        return fail(errno);
    // Until commit() an old file's content stays the owner's only.
    m_file = std::make_unique<NewFile>(m_folder->fd(), m_folder->leaf(), m_keepsOld ? 0600 : 0666);
    if (m_file->fd() < 0)
        return fail(errno);
    m_device->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    m_ok = true;
    return true;
}

bool SafeSave::write(QByteArrayView bytes)
{
    if (!m_ok)
        return false;
    if (!WriteAll(m_file->fd(), bytes.data(), size_t(bytes.size()))) {
        m_ok = false;
        m_error = SystemErrorText(errno);
        return false;
    }
    return true;
}

QString SafeSave::writePath() const
{
    if (!m_file)
        return {};
    const std::string &temporary = m_file->temporaryName();
    if (temporary.empty())
        return QStringLiteral("/proc/self/fd/%1").arg(m_file->fd());
    return QFileInfo(m_target).absolutePath() + QLatin1Char('/') + NativeNames::decode(temporary.c_str());
}

void SafeSave::setMode(unsigned mode)
{
    m_mode = mode & 07777;
    m_modeSet = true;
}

void SafeSave::applyOwnerAndMode()
{
    const int fd = m_file->fd();
    // The owner first: changing it may clear the set-user-ID bits.
    if (m_keepsOld) {
        struct stat now;
        if (::fstat(fd, &now) == 0 && (now.st_uid != m_owner || now.st_gid != m_group))
            ::fchown(fd, m_owner, m_group);
    }
    if (m_keepsOld || m_modeSet)
        ::fchmod(fd, m_mode);
}

bool SafeSave::commit()
{
    if (!m_ok)
        return fail(m_error.isEmpty() ? SystemErrorText(EBADF) : m_error);
    applyOwnerAndMode();
    if (!m_file->sync() || !m_file->publish(true))
        return fail(errno);
    cancel();
    return true;
}

void SafeSave::cancel()
{
    m_device->close();
    m_file.reset();
    m_folder.reset();
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
