#pragma once

#include "project/ProjectEntry.h"

#include <functional>

// The tree of entries: the only container of a project's entries. Absolute
// indexes follow the depth-first pre-order walk and are cached until the
// shape changes.
class ProjectTree {
public:
    ProjectTree();
    ProjectTree(const ProjectTree &) = delete;
    ProjectTree &operator=(const ProjectTree &) = delete;

    // Invisible root; its children are the top-level entries.
    ProjectEntry *root() const { return m_root.get(); }
    int topLevelCount() const { return m_root->childCount(); }
    bool isEmpty() const { return m_root->childCount() == 0; }

    // Adds an entry as last child of parent (nullptr: top level).
    ProjectEntry *append(ProjectEntry *parent, std::unique_ptr<ProjectEntry> entry);
    ProjectEntry *insert(ProjectEntry *parent, int row, std::unique_ptr<ProjectEntry> entry);
    std::unique_ptr<ProjectEntry> take(ProjectEntry *entry);
    void clear();

    int count() const;
    int absoluteIndex(const ProjectEntry *entry) const;
    ProjectEntry *entryAt(int absoluteIndex) const;

    // Entries in depth-first pre-order.
    const std::vector<ProjectEntry *> &preOrder() const;

    // Reorders parent's children (sorting); order holds the old rows.
    void reorderChildren(ProjectEntry *parent, const std::vector<int> &order);

private:
    void rebuildIndex() const;

    std::unique_ptr<ProjectEntry> m_root;
    mutable std::vector<ProjectEntry *> m_preOrder;
    mutable bool m_indexValid = true;
};
