#include "app/AutoOpenScan.h"

#include "common/FileUtils.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>

QString ProjectFileDateText(const QDateTime &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QList<ProjectFileRow> FindProjectFiles(const QString &root)
{
    QList<ProjectFileRow> rows;
    QDir folder(root);
    folder.setNameFilters({QStringLiteral("*.prj")});
    folder.setFilter(QDir::Files | QDir::Hidden | QDir::System);
    folder.setSorting(QDir::Name);
    const QFileInfoList files = folder.entryInfoList();
    for (const QFileInfo &file : files) {
        const QString path = file.absoluteFilePath();
        if (!FileContainsLine(path, ProjectFileFormat::header))
            continue;
        ProjectFileRow row;
        row.drive = root;
        row.fileName = file.fileName();
        row.path = path;
        row.projectName = ReadProjectName(path);
        row.entryCount = qMax(0, CountEntryLines(path));
        row.date = file.lastModified();
        row.attributes = FileSystem::AttributeText(file);
        rows.append(row);
    }
    return rows;
}

int ScanDriveRoots(const QStringList &roots, const std::function<void(const ProjectFileRow &row)> &rowFound,
                   const OperationObserver &observer)
{
    EventPump pump(observer.runPendingEvents);
    int found = 0;
    for (const QString &root : roots) {
        observer.setStatus(root);
        pump.runNow();
        if (!observer.shouldContinue())
            return found;
        for (const ProjectFileRow &row : FindProjectFiles(root)) {
            ++found;
            rowFound(row);
            pump.poll();
            if (!observer.shouldContinue())
                return found;
        }
    }
    return found;
}
