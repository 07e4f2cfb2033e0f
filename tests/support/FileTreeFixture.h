#pragma once

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

// Sample folder trees for the file operation tests, a listing that compares
// two trees.
namespace FileTree {

inline void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline void makeReadOnly(const QString &path)
{
    ::chmod(QFile::encodeName(path).constData(), 0444);
}

// Files, a hidden file, a read-only file, odd names, a link to a file, a
// link to a folder outside, a dangling link and a nested folder. outside is
// a folder that must never be touched.
inline void makeSample(const QString &root, const QString &outside)
{
    write(root + QStringLiteral("/plain.txt"), "plain text\n");
    write(root + QStringLiteral("/.hidden"), "hidden");
    write(root + QStringLiteral("/locked.txt"), "read-only");
    makeReadOnly(root + QStringLiteral("/locked.txt"));
    write(root + QStringLiteral("/mit Leerzeichen und Ümlaut.txt"), "blank");
    write(root + QStringLiteral("/new\nline"), "newline");
    write(root + QStringLiteral("/sub/deeper/big.bin"), QByteArray(70000, 'x'));
    write(root + QStringLiteral("/sub/empty.dat"), QByteArray());
    QDir().mkpath(root + QStringLiteral("/sub/void"));
    write(outside + QStringLiteral("/keep.txt"), "outside");
    QFile::link(QStringLiteral("plain.txt"), root + QStringLiteral("/link-to-file"));
    QFile::link(outside, root + QStringLiteral("/sub/link-to-folder"));
    QFile::link(QStringLiteral("nowhere"), root + QStringLiteral("/dangling"));
}

// A file named by its bytes, for names that are not UTF-8.
inline bool writeRaw(const QByteArray &path, const QByteArray &bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == ssize_t(bytes.size());
    return ::close(fd) == 0 && written;
}

inline int removeEntry(const char *path, const struct stat *, int, struct FTW *walk)
{
    return walk->level > 0 ? ::remove(path) : 0;
}

// Everything below root: the temporary folder cannot remove names Qt cannot
// spell.
inline void removeRawTree(const QByteArray &root)
{
    ::nftw(root.constData(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

// Every path below root, relative, hidden files and links included, sorted.
inline QStringList paths(const QString &root)
{
    QStringList found;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found.append(QDir(root).relativeFilePath(it.next()));
    found.sort();
    return found;
}

// One line per entry below root: relative path, kind, permission bits and
// the content's hash or the link's target text.
inline QStringList listing(const QString &root)
{
    QStringList lines;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QString line = QDir(root).relativeFilePath(path) + QLatin1Char('|');
        struct stat st;
        ::lstat(QFile::encodeName(path).constData(), &st);
        if (S_ISLNK(st.st_mode)) {
            QByteArray target(4096, '\0');
            const auto length = ::readlink(QFile::encodeName(path).constData(), target.data(), target.size());
            line += QStringLiteral("link|") + QString::fromUtf8(target.left(qMax<qint64>(length, 0)));
        } else if (S_ISDIR(st.st_mode)) {
            line += QStringLiteral("dir|") + QString::number(st.st_mode & 0777, 8);
        } else {
            QFile file(path);
            QByteArray bytes;
            if (file.open(QIODevice::ReadOnly))
                bytes = file.readAll();
            line += QStringLiteral("file|") + QString::number(st.st_mode & 0777, 8) + QLatin1Char('|')
                    + QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
        }
        lines.append(line);
    }
    lines.sort();
    return lines;
}

} // namespace FileTree
