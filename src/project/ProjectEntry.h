#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// What running an entry does; stored in the project file.
enum ActionNumber : quint8 {
    ActionNone = 0,
    ActionExecute = 1,
    ActionFileManager = 2,
    ActionUnrar = 3,
    ActionUnzip = 4,
    ActionMacro = 5,
};
constexpr int kLastAction = ActionMacro;

// The record hung on each tree node.
struct EntryRecord {
    quint8 action = ActionNone;
    QString command;
    QStringList comment;
};

// One node of the project tree: title, images, the record, and its children
// in the user's order.
class ProjectEntry {
public:
    using Children = std::vector<std::unique_ptr<ProjectEntry>>;

    explicit ProjectEntry(QString title = {});
    ~ProjectEntry();
    ProjectEntry(const ProjectEntry &) = delete;
    ProjectEntry &operator=(const ProjectEntry &) = delete;

    QString title;
    int imageIndex = -1;
    int selectedImageIndex = -1;
    EntryRecord record;

    ProjectEntry *parent() const { return m_parent; }
    const Children &children() const { return m_children; }
    int childCount() const { return static_cast<int>(m_children.size()); }
    bool hasChildren() const { return !m_children.empty(); }
    ProjectEntry *child(int row) const { return m_children[static_cast<size_t>(row)].get(); }

    // Position among its siblings.
    int row() const { return m_row; }
    int depth() const;

    ProjectEntry *previousSibling() const;
    ProjectEntry *nextSibling() const;

    // True when this is other or one of its ancestors.
    bool isAncestorOf(const ProjectEntry *other) const;

    // The last entry of this entry's subtree in pre-order (itself if none).
    ProjectEntry *lastDescendant();

private:
    friend class ProjectTree;
    ProjectEntry *insertChild(int row, std::unique_ptr<ProjectEntry> child);
    std::unique_ptr<ProjectEntry> takeChild(int row);
    void renumberFrom(int row);

    ProjectEntry *m_parent = nullptr;
    int m_row = 0;
    int m_index = -1; // absolute index, valid while the tree's cache is
    Children m_children;
};
