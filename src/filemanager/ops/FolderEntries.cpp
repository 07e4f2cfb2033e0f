#include "filemanager/ops/FolderEntries.h"

#include "platform/FileOperations.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {

qint64 folderSize(const QString &folder)
{
    qint64 total = 0;
    for (const FolderEntry &entry : ListFolder(folder)) {
        if (!entry.folder)
            total += FileOperations::entrySize(entry.path);
        else if (!IsSkippedSubfolder(entry.name))
            total += folderSize(entry.path);
    }
    return total;
}

} // namespace

QList<FolderEntry> ListFolder(const QString &folder)
{
    QList<FolderEntry> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        entries.append({info.fileName(), info.filePath(), info.isDir() && !info.isSymLink()});
    }
    return entries;
}

FolderEntry EntryAt(const QString &folder, const QString &name)
{
    const QString path = JoinPath(folder, name);
    return {name, path, IsRealFolder(path)};
}

bool IsRealFolder(const QString &path)
{
    const QFileInfo info(path);
    return info.isDir() && !info.isSymLink();
}

bool IsSkippedSubfolder(const QString &name)
{
    return name.startsWith(QLatin1Char('.'));
}

QString JoinPath(const QString &folder, const QString &name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

qint64 SelectionSize(const QString &folder, const QStringList &names)
{
    qint64 total = 0;
    for (const QString &name : names) {
        const FolderEntry entry = EntryAt(folder, name);
        total += entry.folder ? folderSize(entry.path) : FileOperations::entrySize(entry.path);
    }
    return total;
}
