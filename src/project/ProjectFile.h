#pragma once

#include "common/OperationObserver.h"
#include "project/Project.h"

#include <QString>
#include <QStringList>

#include <memory>

class QIODevice;

// What a load found: the problem lines and the four counts of the report.
struct LoadReport {
    QString fileName;
    QStringList problems;
    int entriesRead = 0;   // "ITEM NEW" lines processed
    int entriesInFile = 0; // lines reading "ITEM NEW" in the file
    int linesRead = 0;     // lines processed
    int linesInFile = 0;   // lines in the file
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
// be read. Loading and saving report their status text and gauge to the
// observer (progress only when the percentage changes) and let pending
// events run between lines.
std::unique_ptr<Project> ReadProjectFile(const QString &fileName, LoadReport &report,
                                         const OperationObserver &observer = {});

// Both steps for a file named on the command line: its full path checked,
// then read; nullptr (after the user was told) where either fails.
std::unique_ptr<Project> LoadProjectFile(const QString &fileName, LoadReport &report);

// Writes project to fileName, first keeping a backup copy when asked to;
// true only when the new content is completely in place. On failure the
// old file stays as it was.
bool SaveProjectFile(const Project &project, const QString &fileName, const SaveOptions &options,
                     const OperationObserver &observer = {});

// The text of the file as it is written.
QString ProjectFileText(const Project &project);

// Backup name: folder + name without extension + extension.
QString BackupFileName(const QString &fileName, const QString &backupExtension);

// Writes the file's bytes to device, drive-independent paths relative to
// drive; false as soon as a write fails.
bool WriteProjectData(const Project &project, QIODevice &device, const QString &drive,
                      const OperationObserver &observer = {});
