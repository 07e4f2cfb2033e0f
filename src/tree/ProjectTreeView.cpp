#include "tree/ProjectTreeView.h"

#include "tree/ProjectTreeModel.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace {

// Draws a selected entry with its selected image.
class SelectedImageDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!(option->state & QStyle::State_Selected))
            return;
        const QVariant selected = index.data(ProjectTreeModel::SelectedDecorationRole);
        if (selected.canConvert<QIcon>())
            option->icon = selected.value<QIcon>();
        else
            option->icon = QIcon();
    }
};

} // namespace

ProjectTreeView::ProjectTreeView(QWidget *parent)
    : QTreeView(parent)
    , m_model(new ProjectTreeModel(this))
{
    setModel(m_model);
    setItemDelegate(new SelectedImageDelegate(this));
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    header()->setStretchLastSection(true);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) { onCurrentChanged(current); });
}

ProjectEntry *ProjectTreeView::selectedEntry() const
{
    return m_model->entry(currentIndex());
}

void ProjectTreeView::selectEntry(ProjectEntry *entry)
{
    const QModelIndex index = m_model->indexOf(entry);
    if (!index.isValid()) {
        selectionModel()->clearCurrentIndex();
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

void ProjectTreeView::onCurrentChanged(const QModelIndex &current)
{
    if (m_singleExpand && current.isValid())
        collapseOtherBranches(current);
    emit selectedEntryChanged(m_model->entry(current));
}

// Opens index and closes every branch that is not on its path.
void ProjectTreeView::collapseOtherBranches(const QModelIndex &index)
{
    for (QModelIndex node = index; node.isValid(); node = node.parent()) {
        const QModelIndex parent = node.parent();
        for (int row = 0; row < m_model->rowCount(parent); ++row) {
            const QModelIndex sibling = m_model->index(row, 0, parent);
            if (sibling != node && isExpanded(sibling))
                collapse(sibling);
        }
    }
    expand(index);
}
