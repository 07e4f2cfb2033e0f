#pragma once

#include "common/OperationObserver.h"
#include "tree/scan/CatalogueItem.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

struct CatalogueOptions {
    // The project's volume: command lines of what lies on it are stored
    // drive-independent.
    QString drive;
    // Names starting with "." too.
    bool includeHidden = false;
    // Look for the pictures desktop entries name.
    bool withIcons = true;
    // Expanded command lines of the entries the project has already.
    QSet<QString> existingCommands;
    // Full paths that are never proposed (the project file and its own
    // files).
    QStringList leftOut;
};

// Something the scan did not propose, and why.
struct CatalogueSkip {
    QString path;
    QString reason;
};

struct CatalogueScan {
    // The chosen folder's proposals are the root's children.
    std::unique_ptr<CatalogueItem> root = std::make_unique<CatalogueItem>();
    // The folder scanned, links resolved.
    QString folder;
    // Why the folder itself cannot be read; empty when it could.
    QString error;
    QList<CatalogueSkip> skipped;
    // Proposals left out because an entry of the project has their command.
    int duplicates = 0;
    bool cancelled = false;
};

// Walks folder and proposes an entry for every folder, program, archive,
// macro file and document in it. It never follows a link out of folder,
// never opens anything but regular files, and lists folders it cannot read
// as skipped. Reports the folder it reads as status and the share done as
// progress; stops when the observer says so.
CatalogueScan ScanForCatalogue(const QString &folder, const CatalogueOptions &options,
                               const OperationObserver &observer = {});

// Number of proposals below item.
qint64 CountProposals(const CatalogueItem &item);
