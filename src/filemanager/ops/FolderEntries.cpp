#include "filemanager/ops/FolderEntries.h"

#include "platform/FileOperations.h"

namespace {

qint64 folderSize(const QString &folder)
{
    QStringList subfolders;
    qint64 total = FileOperations::filesBytes(folder, subfolders);
    for (const QString &name : std::as_const(subfolders)) {
        if (!IsSkippedSubfolder(name))
            total += folderSize(JoinPath(folder, name));
    }
    return total;
}

} // namespace

QList<FolderEntry> ListFolder(const QString &folder)
{
    QList<FolderEntry> entries;
    for (const FileOperations::ListedEntry &listed : FileOperations::listFolder(folder))
        entries.append({listed.name, JoinPath(folder, listed.name), listed.folder, listed.link});
    return entries;
}

FolderEntry EntryAt(const QString &folder, const QString &name)
{
    const QString path = JoinPath(folder, name);
    const FileOperations::Status status = FileOperations::status(path);
    return {name, path, status.folder, status.link};
}

bool IsRealFolder(const QString &path)
{
    return FileOperations::isRealFolder(path);
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
