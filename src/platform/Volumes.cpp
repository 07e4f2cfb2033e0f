#include "platform/Volumes.h"

#include "platform/FileSystem.h"

#include <QDir>
#include <QStorageInfo>

#include <algorithm>

namespace Volumes {

namespace {
QStringList g_roots;
bool g_overridden = false;

QString normalisedRoot(const QString &path)
{
    QString root = QDir::cleanPath(path);
    while (root.size() > 1 && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return root;
}

QStringList mountedRoots()
{
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = normalisedRoot(volume.rootPath());
        if (!root.isEmpty() && FileSystem::folderExists(root) && !roots.contains(root))
            roots.append(root);
    }
    return roots;
}

const QStringList &table()
{
    if (g_roots.isEmpty())
        g_roots = mountedRoots();
    return g_roots;
}

bool isLeadingPart(const QString &root, const QString &path)
{
    if (root == QLatin1String("/"))
        return path.startsWith(QLatin1Char('/'));
    return path == root || path.startsWith(root + QLatin1Char('/'));
}
} // namespace

QStringList roots()
{
    return table();
}

QStringList driveList()
{
    QStringList drives = table();
    const QString home = normalisedRoot(QDir::homePath());
    if (!drives.contains(home))
        drives.append(home);
    return drives;
}

QString volumeOf(const QString &path)
{
    const bool alreadyClean =
        path.startsWith(QLatin1Char('/')) && !path.contains(QLatin1String("/.")) && !path.contains(QLatin1String("//"));
    const QString clean = alreadyClean ? path : QDir::cleanPath(QDir(QDir::currentPath()).absoluteFilePath(path));
    QString best = QStringLiteral("/");
    for (const QString &root : table()) {
        if (root.size() > best.size() && isLeadingPart(root, clean))
            best = root;
    }
    return best;
}

bool sameVolume(const QString &rootA, const QString &rootB)
{
    return FileSystem::namesEqual(rootA, rootB) || FileSystem::namesEqual(normalisedRoot(rootA), normalisedRoot(rootB));
}

QString joinOnVolume(const QString &root, const QString &rest)
{
    QString tail = rest;
    while (tail.startsWith(QLatin1Char('/')))
        tail.remove(0, 1);
    if (root.endsWith(QLatin1Char('/')))
        return root + tail;
    return root + QLatin1Char('/') + tail;
}

void setRootsForTesting(const QStringList &roots)
{
    g_overridden = !roots.isEmpty();
    g_roots.clear();
    if (!g_overridden)
        return;
    g_roots.append(QStringLiteral("/"));
    for (const QString &root : roots) {
        const QString clean = normalisedRoot(root);
        if (!g_roots.contains(clean))
            g_roots.append(clean);
    }
}

} // namespace Volumes
