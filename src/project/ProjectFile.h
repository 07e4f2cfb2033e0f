#pragma once

#include "project/Project.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// What a load found: the problem lines and the four counts of the report.
struct LoadReport {
    QString fileName;
    QStringList problems;
    int entriesRead = 0;    // "ITEM NEW" lines processed
    int entriesInFile = 0;  // lines reading "ITEM NEW" in the file
    int linesRead = 0;      // lines processed
    int linesInFile = 0;    // lines in the file
};

// Where loading and saving report their status text and gauge. progress is
// called only when the percentage changes.
struct ProjectIoObserver {
    std::function<void(const QString &text)> status;
    std::function<void(int percent)> progress;
};

struct SaveOptions {
    bool makeBackup = true;
    QString backupExtension = QStringLiteral(".pr~");
};

// First step of loading: false (after the user was told) when the file is
// missing or has no header line.
bool CheckProjectFile(const QString &fileName);

// Reads fileName into a new project, repairing what it can and listing every
// problem in report. nullptr (after the user was told) when the file cannot
// be read.
std::unique_ptr<Project> ReadProjectFile(const QString &fileName, LoadReport &report,
                                         const ProjectIoObserver &observer = {});

// Writes project to fileName with backup copy and restore as the user
// chooses; true on success (a successful restore counts as one).
bool SaveProjectFile(const Project &project, const QString &fileName, const SaveOptions &options,
                     const ProjectIoObserver &observer = {});

// The text of the file as it is written.
QString ProjectFileText(const Project &project);

// Backup name: folder + name without extension + extension.
QString BackupFileName(const QString &fileName, const QString &backupExtension);

namespace ProjectFileTesting {
// Makes the next saves fail after writing this many bytes; -1 switches it off.
void failWritesAfter(qint64 bytes);
} // namespace ProjectFileTesting
