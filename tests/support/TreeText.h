#pragma once

#include "project/ProjectTree.h"

#include <QStringList>

// Trees written as text for tests: titles separated by "|", each led by one
// dot per level of depth: "A|.B|..C|D".
namespace TreeText {

inline void build(ProjectTree &tree, const QString &text)
{
    std::vector<ProjectEntry *> parents;
    for (const QString &item : text.split(QLatin1Char('|'), Qt::SkipEmptyParts)) {
        qsizetype depth = 0;
        while (depth < item.size() && item[depth] == QLatin1Char('.'))
            ++depth;
        parents.resize(static_cast<size_t>(depth));
        ProjectEntry *parent = depth == 0 ? nullptr : parents.back();
        parents.push_back(tree.append(parent, std::make_unique<ProjectEntry>(item.mid(depth))));
    }
}

inline QString text(const ProjectTree &tree)
{
    QStringList items;
    for (const ProjectEntry *entry : tree.preOrder())
        items.append(QString(entry->depth(), QLatin1Char('.')) + entry->title);
    return items.join(QLatin1Char('|'));
}

inline ProjectEntry *find(const ProjectTree &tree, const QString &title)
{
    for (ProjectEntry *entry : tree.preOrder()) {
        if (entry->title == title)
            return entry;
    }
    return nullptr;
}

} // namespace TreeText
