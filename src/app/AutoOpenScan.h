#pragma once

#include "common/OperationObserver.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// The search of drive roots for project files behind "Auto-Öffnen".

// One valid project file found in a drive's root folder.
struct ProjectFileRow {
    QString drive; // the root as listed
    QString fileName;
    QString path;
    QString projectName;
    int entryCount = 0;
    QDateTime date;
    QString attributes;
};

// Date and time of a listed file: "dd.MM.yyyy HH:mm:ss".
QString ProjectFileDateText(const QDateTime &date);

// The valid project files (*.prj with the header line) directly in root,
// hidden ones included, by name. An unreadable or missing root gives none.
QList<ProjectFileRow> FindProjectFiles(const QString &root);

// Scans the roots in their order and hands each row found to rowFound;
// returns the number of rows reported. Each root is the observer's status
// while it is searched; pending events run between drives and rows, and the
// scan stops as soon as the observer says so.
int ScanDriveRoots(const QStringList &roots, const std::function<void(const ProjectFileRow &row)> &rowFound,
                   const OperationObserver &observer);
