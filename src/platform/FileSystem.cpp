#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace FileSystem {

namespace {
bool statPath(const QString &path, struct stat &info)
{
    if (path.isEmpty())
        return false;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0;
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

QString fullPath(const QString &path)
{
    if (path.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(path);
    return QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(path));
}

} // namespace FileSystem
