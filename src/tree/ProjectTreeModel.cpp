#include "tree/ProjectTreeModel.h"

#include "project/Project.h"

#include <QPixmap>

ProjectTreeModel::ProjectTreeModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

void ProjectTreeModel::setProject(Project *project)
{
    beginResetModel();
    m_project = project;
    m_icons.clear();
    endResetModel();
}

ProjectEntry *ProjectTreeModel::entry(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    return static_cast<ProjectEntry *>(index.internalPointer());
}

QModelIndex ProjectTreeModel::indexOf(const ProjectEntry *entry) const
{
    if (!m_project || !entry || entry == m_project->tree.root())
        return {};
    return createIndex(entry->row(), 0, const_cast<ProjectEntry *>(entry));
}

void ProjectTreeModel::entryChanged(ProjectEntry *entry)
{
    const QModelIndex index = indexOf(entry);
    if (index.isValid())
        emit dataChanged(index, index);
}

void ProjectTreeModel::beginInsertEntry(ProjectEntry *parent, int row)
{
    beginInsertRows(indexOf(parent), row, row);
}

void ProjectTreeModel::endInsertEntry()
{
    endInsertRows();
}

void ProjectTreeModel::beginRemoveEntry(ProjectEntry *parent, int row)
{
    beginRemoveRows(indexOf(parent), row, row);
}

void ProjectTreeModel::endRemoveEntry()
{
    endRemoveRows();
}

void ProjectTreeModel::beginMoveEntry(ProjectEntry *from, int row, ProjectEntry *to, int destinationRow)
{
    beginMoveRows(indexOf(from), row, row, indexOf(to), destinationRow);
}

void ProjectTreeModel::endMoveEntry()
{
    endMoveRows();
}

// A layout change that moves nothing makes views repaint every entry.
void ProjectTreeModel::imagesChanged()
{
    emit layoutAboutToBeChanged();
    m_icons.clear();
    emit layoutChanged();
}

void ProjectTreeModel::reorderEntries(const std::function<void()> &reorder)
{
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    QList<ProjectEntry *> entries;
    entries.reserve(before.size());
    for (const QModelIndex &index : before)
        entries.append(entry(index));
    reorder();
    QModelIndexList after;
    after.reserve(entries.size());
    for (ProjectEntry *moved : entries)
        after.append(indexOf(moved));
    changePersistentIndexList(before, after);
    emit layoutChanged();
}

ProjectEntry *ProjectTreeModel::parentEntry(const QModelIndex &parent) const
{
    if (!m_project)
        return nullptr;
    return parent.isValid() ? entry(parent) : m_project->tree.root();
}

QModelIndex ProjectTreeModel::index(int row, int column, const QModelIndex &parent) const
{
    const ProjectEntry *owner = parentEntry(parent);
    if (!owner || column != 0 || row < 0 || row >= owner->childCount())
        return {};
    return createIndex(row, 0, owner->child(row));
}

QModelIndex ProjectTreeModel::parent(const QModelIndex &child) const
{
    const ProjectEntry *node = entry(child);
    return node ? indexOf(node->parent()) : QModelIndex();
}

int ProjectTreeModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const ProjectEntry *owner = parentEntry(parent);
    return owner ? owner->childCount() : 0;
}

int ProjectTreeModel::columnCount(const QModelIndex &) const
{
    return 1;
}

bool ProjectTreeModel::hasChildren(const QModelIndex &parent) const
{
    const ProjectEntry *owner = parentEntry(parent);
    return owner && owner->hasChildren();
}

QVariant ProjectTreeModel::data(const QModelIndex &index, int role) const
{
    const ProjectEntry *node = entry(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->title;
    case Qt::DecorationRole:
        return icon(node->imageIndex);
    case SelectedDecorationRole:
        return icon(node->selectedImageIndex);
    default:
        return {};
    }
}

bool ProjectTreeModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    ProjectEntry *node = entry(index);
    if (!node || role != Qt::EditRole)
        return false;
    const QString title = value.toString();
    if (title != node->title) {
        node->title = title;
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
        emit titleEdited(node);
    }
    return true;
}

Qt::ItemFlags ProjectTreeModel::flags(const QModelIndex &index) const
{
    if (!entry(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled;
}

QVariant ProjectTreeModel::icon(int imageIndex) const
{
    if (!m_project || !m_project->useImages || imageIndex < 0 || imageIndex >= m_project->images.count())
        return {};
    if (m_icons.isEmpty()) {
        m_icons.reserve(m_project->images.count());
        for (const QImage &image : m_project->images.images())
            m_icons.append(QIcon(QPixmap::fromImage(image)));
    }
    return m_icons.at(imageIndex);
}
