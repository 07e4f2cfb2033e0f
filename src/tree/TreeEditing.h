#pragma once

#include <QString>

class ProjectEntry;
class ProjectTree;

// Told before and after every change the tree editor makes, so that a view
// can follow. parent is the tree's root for top-level entries; a move's
// destination row counts before the move, as Qt's models count it.
class TreeChangeListener {
public:
    virtual ~TreeChangeListener() = default;
    virtual void beginInsertEntry(ProjectEntry *parent, int row) = 0;
    virtual void endInsertEntry() = 0;
    virtual void beginRemoveEntry(ProjectEntry *parent, int row) = 0;
    virtual void endRemoveEntry() = 0;
    virtual void beginMoveEntry(ProjectEntry *from, int row, ProjectEntry *to, int destinationRow) = 0;
    virtual void endMoveEntry() = 0;
    // Title or images of entry changed.
    virtual void entryChanged(ProjectEntry *entry) = 0;
};

// The changes of shape the user makes to a project tree, with the rules for
// the automatic images: 0/1 for an entry with sub-entries, 2/3 without.
class TreeEditor {
public:
    static inline const QString defaultTitle = QStringLiteral("UNBENANNT");

    explicit TreeEditor(ProjectTree &tree, TreeChangeListener *listener = nullptr);

    // A new entry before selected at its level (nullptr: last at the top
    // level), carrying command.
    ProjectEntry *addEntry(ProjectEntry *selected, const QString &command);
    // A new entry as last sub-entry of parent, which turns into a folder
    // when it had automatic leaf images.
    ProjectEntry *addChild(ProjectEntry *parent, const QString &command);
    // Takes back addEntry or addChild: a parent left without sub-entries
    // turns its automatic folder images back.
    void undoAdd(ProjectEntry *added);

    // Removes entry with its sub-entries; a parent left without sub-entries
    // becomes a leaf.
    void remove(ProjectEntry *entry);
    void removeChildren(ProjectEntry *entry);
    void removeAll();

    // Moves within the level, sub-entries with it; false when there is
    // nothing to move past.
    bool moveUp(ProjectEntry *entry);
    bool moveDown(ProjectEntry *entry);
    bool moveToStart(ProjectEntry *entry);
    bool moveToEnd(ProjectEntry *entry);

    // A copy of source without its sub-entries, before target at its level.
    ProjectEntry *copyBefore(const ProjectEntry *source, ProjectEntry *target);
    // Moves source with its sub-entries before target; false (and nothing
    // moves) when target is source or lies below it.
    bool moveBefore(ProjectEntry *source, ProjectEntry *target);

    static bool hasAutomaticFolderImages(const ProjectEntry *entry);
    static bool hasAutomaticLeafImages(const ProjectEntry *entry);

private:
    ProjectEntry *insertNew(ProjectEntry *parent, int row, const QString &command);
    void take(ProjectEntry *entry);
    // Moves entry to row of parent; row counts before the move.
    void moveTo(ProjectEntry *entry, ProjectEntry *parent, int row);
    void becomeLeafIfEmpty(ProjectEntry *entry);
    void setImages(ProjectEntry *entry, int normal, int selected);

    ProjectTree &m_tree;
    TreeChangeListener *m_listener;
};

// Command line of a new entry: the project file's folder, else the program
// directory, with a trailing separator.
QString NewEntryCommandLine();
