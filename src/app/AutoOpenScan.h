#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QFileInfo;

// The search of drive roots for project files behind "Auto-Öffnen".

// One valid project file found in a drive's root folder.
struct ProjectFileRow {
    QString drive;  // the root as listed
    QString fileName;
    QString path;
    QString projectName;
    int entryCount = 0;
    QDateTime date;
    QString attributes;
};

// "Schreibgeschützt ", "Versteckt ", "System ", "Archive " for the attributes
// that are set, in this order.
QString AttributeText(const QFileInfo &info);

// Date and time of a listed file: "dd.MM.yyyy HH:mm:ss".
QString ProjectFileDateText(const QDateTime &date);

// The valid project files (*.prj with the header line) directly in root,
// hidden ones included, by name. An unreadable or missing root gives none.
QList<ProjectFileRow> FindProjectFiles(const QString &root);

// Called before each drive and for each row found; returning false stops
// the scan. The callbacks are where the caller lets events run.
struct AutoOpenScanObserver {
    std::function<bool(const QString &root)> driveStarted;
    std::function<bool(const ProjectFileRow &row)> rowFound;
};

// Scans the roots in their order; returns the number of rows reported.
int ScanDriveRoots(const QStringList &roots, const AutoOpenScanObserver &observer);
