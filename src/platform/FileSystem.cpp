#include "platform/FileSystem.h"

#include "platform/NativeNames.h"

#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileSystem {

namespace {
bool statPath(const QString &path, struct stat &info)
{
    if (path.isEmpty())
        return false;
    return ::stat(NativeNames::encode(path).constData(), &info) == 0;
}
} // namespace

bool fileExists(const QString &path)
{
    struct stat info;
    return statPath(path, info) && !S_ISDIR(info.st_mode);
}

bool folderExists(const QString &path)
{
    struct stat info;
    return statPath(path, info) && S_ISDIR(info.st_mode);
}

bool exists(const QString &path)
{
    struct stat info;
    return statPath(path, info);
}

bool namesEqual(const QString &a, const QString &b)
{
    return a.compare(b, nameCase) == 0;
}

QString toFileSystemPath(const QString &storedPath)
{
    QString path = storedPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

bool isAbsolutePath(const QString &path)
{
    if (path.startsWith(QLatin1Char('/')))
        return true;
    return path.size() >= 2 && path.at(1) == QLatin1Char(':') && path.at(0).isLetter();
}

bool openRegularFile(QFile &file, const QString &path)
{
    if (path.isEmpty())
        return false;
    const int fd = ::open(NativeNames::encode(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

QString canonicalPath(const QString &path)
{
    char *resolved = path.isEmpty() ? nullptr : ::realpath(NativeNames::encode(path).constData(), nullptr);
    if (!resolved)
        return {};
    const QString canonical = NativeNames::decode(resolved);
    ::free(resolved);
    return canonical;
}

QString fullPath(const QString &path)
{
    if (path.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(path);
    return QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(path));
}

// System and archive attributes do not exist on this platform.
QString AttributeText(const QFileInfo &info)
{
    QString text;
    if (!info.permission(QFileDevice::WriteOwner))
        text += QStringLiteral("Schreibgeschützt ");
    if (info.isHidden())
        text += QStringLiteral("Versteckt ");
    return text;
}

} // namespace FileSystem
