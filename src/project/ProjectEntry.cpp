#include "project/ProjectEntry.h"

ProjectEntry::ProjectEntry(QString title)
    : title(std::move(title))
{
}

// Iterative, so that a deeply nested tree cannot exhaust the stack.
ProjectEntry::~ProjectEntry()
{
    Children pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<ProjectEntry> entry = std::move(pending.back());
        pending.pop_back();
        for (auto &child : entry->m_children)
            pending.push_back(std::move(child));
        entry->m_children.clear();
    }
}

int ProjectEntry::depth() const
{
    int depth = 0;
    for (const ProjectEntry *p = m_parent; p && p->m_parent; p = p->m_parent)
        ++depth;
    return depth;
}

ProjectEntry *ProjectEntry::previousSibling() const
{
    if (!m_parent || m_row == 0)
        return nullptr;
    return m_parent->child(m_row - 1);
}

ProjectEntry *ProjectEntry::nextSibling() const
{
    if (!m_parent || m_row + 1 >= m_parent->childCount())
        return nullptr;
    return m_parent->child(m_row + 1);
}

bool ProjectEntry::isAncestorOf(const ProjectEntry *other) const
{
    for (const ProjectEntry *p = other; p; p = p->m_parent) {
        if (p == this)
            return true;
    }
    return false;
}

ProjectEntry *ProjectEntry::lastDescendant()
{
    ProjectEntry *entry = this;
    while (entry->hasChildren())
        entry = entry->m_children.back().get();
    return entry;
}

ProjectEntry *ProjectEntry::insertChild(int row, std::unique_ptr<ProjectEntry> child)
{
    ProjectEntry *raw = child.get();
    raw->m_parent = this;
    if (row < 0 || row >= childCount()) {
        raw->m_row = childCount();
        m_children.push_back(std::move(child));
        return raw;
    }
    m_children.insert(m_children.begin() + row, std::move(child));
    renumberFrom(row);
    return raw;
}

std::unique_ptr<ProjectEntry> ProjectEntry::takeChild(int row)
{
    std::unique_ptr<ProjectEntry> child = std::move(m_children[static_cast<size_t>(row)]);
    m_children.erase(m_children.begin() + row);
    renumberFrom(row);
    child->m_parent = nullptr;
    child->m_row = 0;
    return child;
}

void ProjectEntry::renumberFrom(int row)
{
    for (int i = row; i < childCount(); ++i)
        m_children[static_cast<size_t>(i)]->m_row = i;
}
