#include "tree/TreeSort.h"

#include "project/ProjectTree.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>

namespace {

// The tree's title order: German collation, case-sensitive (lower case
// before upper case of the same letter, umlauts beside their base letter).
QCollator titleCollator()
{
    QCollator collator(QLocale(QLocale::German, QLocale::Germany));
    collator.setCaseSensitivity(Qt::CaseSensitive);
    collator.setNumericMode(false);
    return collator;
}

void sortChildren(ProjectTree &tree, ProjectEntry *parent, const QCollator &collator)
{
    const ProjectEntry &owner = parent ? *parent : *tree.root();
    const int count = owner.childCount();
    if (count < 2)
        return;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<size_t>(count));
    for (int row = 0; row < count; ++row)
        keys.push_back(collator.sortKey(owner.child(row)->title));
    std::vector<int> order(static_cast<size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[static_cast<size_t>(a)].compare(keys[static_cast<size_t>(b)]) < 0;
    });
    if (!std::is_sorted(order.begin(), order.end()))
        tree.reorderChildren(parent, order);
}

} // namespace

void SortLevel(ProjectTree &tree, ProjectEntry *parent)
{
    sortChildren(tree, parent, titleCollator());
}

void SortAllLevels(ProjectTree &tree)
{
    const QCollator collator = titleCollator();
    // An explicit stack, so that deep trees cannot exhaust the call stack;
    // levels are sorted in depth-first order.
    std::vector<ProjectEntry *> pending{tree.root()};
    while (!pending.empty()) {
        ProjectEntry *owner = pending.back();
        pending.pop_back();
        sortChildren(tree, owner == tree.root() ? nullptr : owner, collator);
        for (auto child = owner->children().rbegin(); child != owner->children().rend(); ++child) {
            if ((*child)->hasChildren())
                pending.push_back(child->get());
        }
    }
}
