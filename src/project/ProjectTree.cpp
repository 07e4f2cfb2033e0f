#include "project/ProjectTree.h"

ProjectTree::ProjectTree()
    : m_root(std::make_unique<ProjectEntry>())
{
}

ProjectEntry *ProjectTree::append(ProjectEntry *parent, std::unique_ptr<ProjectEntry> entry)
{
    ProjectEntry *target = parent ? parent : m_root.get();
    // With a valid index a new leaf goes into the walk right after the
    // parent's last descendant; only the entries after it move up by one.
    // Files in pre-order always append at the end.
    const bool keepIndex = m_indexValid && !entry->hasChildren();
    const ProjectEntry *before = keepIndex ? target->lastDescendant() : nullptr;
    const size_t position =
        !before || before == m_root.get() ? m_preOrder.size() : static_cast<size_t>(before->m_index) + 1;
    ProjectEntry *added = target->insertChild(-1, std::move(entry));
    if (!keepIndex) {
        m_indexValid = false;
        return added;
    }
    m_preOrder.insert(m_preOrder.begin() + static_cast<std::ptrdiff_t>(position), added);
    for (size_t i = position; i < m_preOrder.size(); ++i)
        m_preOrder[i]->m_index = static_cast<int>(i);
    return added;
}

ProjectEntry *ProjectTree::insert(ProjectEntry *parent, int row, std::unique_ptr<ProjectEntry> entry)
{
    ProjectEntry *target = parent ? parent : m_root.get();
    m_indexValid = false;
    return target->insertChild(row, std::move(entry));
}

std::unique_ptr<ProjectEntry> ProjectTree::take(ProjectEntry *entry)
{
    m_indexValid = false;
    return entry->parent()->takeChild(entry->row());
}

void ProjectTree::clear()
{
    m_root = std::make_unique<ProjectEntry>();
    m_preOrder.clear();
    m_indexValid = true;
}

int ProjectTree::count() const
{
    return static_cast<int>(preOrder().size());
}

int ProjectTree::absoluteIndex(const ProjectEntry *entry) const
{
    if (!entry || entry == m_root.get())
        return -1;
    preOrder();
    return entry->m_index;
}

ProjectEntry *ProjectTree::entryAt(int absoluteIndex) const
{
    const auto &entries = preOrder();
    if (absoluteIndex < 0 || absoluteIndex >= static_cast<int>(entries.size()))
        return nullptr;
    return entries[static_cast<size_t>(absoluteIndex)];
}

const std::vector<ProjectEntry *> &ProjectTree::preOrder() const
{
    if (!m_indexValid)
        rebuildIndex();
    return m_preOrder;
}

void ProjectTree::reorderChildren(ProjectEntry *parent, const std::vector<int> &order)
{
    ProjectEntry *target = parent ? parent : m_root.get();
    ProjectEntry::Children reordered;
    reordered.reserve(order.size());
    for (const int oldRow : order)
        reordered.push_back(std::move(target->m_children[static_cast<size_t>(oldRow)]));
    target->m_children = std::move(reordered);
    target->renumberFrom(0);
    m_indexValid = false;
}

void ProjectTree::rebuildIndex() const
{
    m_preOrder.clear();
    std::vector<ProjectEntry *> stack;
    for (int i = m_root->childCount() - 1; i >= 0; --i)
        stack.push_back(m_root->child(i));
    while (!stack.empty()) {
        ProjectEntry *entry = stack.back();
        stack.pop_back();
        entry->m_index = static_cast<int>(m_preOrder.size());
        m_preOrder.push_back(entry);
        for (int i = entry->childCount() - 1; i >= 0; --i)
            stack.push_back(entry->child(i));
    }
    m_indexValid = true;
}
