#pragma once

#include <QSet>
#include <QString>

#include <functional>

class CatalogueItem;
class ProjectEntry;
class ProjectTree;
class TreeChangeListener;

// Expanded command lines of the tree's entries; a proposal with one of them
// is left out.
QSet<QString> ExpandedCommandLines(const ProjectTree &tree, const QString &drive);

// Image index of a picture file; -1 when it gives none.
using CatalogueImageLookup = std::function<int(const QString &iconFile)>;

// Appends the checked proposals below root to tree, as last sub-entries of
// parent (nullptr: the top level), in their order: a checked folder becomes
// an entry that holds its checked contents; the checked contents of an
// unchecked folder take its place. Entries with a picture get its image for
// both states, the others the automatic images. Returns the number added.
qint64 AppendCatalogueEntries(const CatalogueItem &root, ProjectTree &tree, ProjectEntry *parent,
                              const CatalogueImageLookup &imageFor);

// Moves every top-level entry of staging to the end of parent's sub-entries
// in tree (nullptr: the top level), telling listener; a parent with the
// automatic leaf images gets the folder images. Returns the first entry
// moved, nullptr when staging was empty.
ProjectEntry *MoveCatalogueEntries(ProjectTree &staging, ProjectTree &tree, ProjectEntry *parent,
                                   TreeChangeListener &listener);
