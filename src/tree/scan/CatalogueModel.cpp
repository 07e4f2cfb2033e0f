#include "tree/scan/CatalogueModel.h"

#include "project/ImageList.h"
#include "tree/scan/CatalogueIcons.h"

#include <QFileInfo>
#include <QPixmap>

namespace {

void countBelow(const CatalogueItem &parent, qint64 &checked, qint64 &total)
{
    for (const auto &child : parent.children()) {
        ++total;
        if (child->checked)
            ++checked;
        countBelow(*child, checked, total);
    }
}

} // namespace

CatalogueGroup GroupOf(CatalogueKind kind)
{
    switch (kind) {
    case CatalogueKind::Folder:
        return CatalogueGroup::Folders;
    case CatalogueKind::Program:
    case CatalogueKind::Desktop:
        return CatalogueGroup::Programs;
    case CatalogueKind::RarArchive:
        return CatalogueGroup::RarArchives;
    case CatalogueKind::ZipArchive:
        return CatalogueGroup::ZipArchives;
    case CatalogueKind::Macro:
        return CatalogueGroup::Macros;
    case CatalogueKind::Document:
        break;
    }
    return CatalogueGroup::Documents;
}

QStringList CatalogueGroupNames()
{
    return {QStringLiteral("Ordner"),      QStringLiteral("Programme"),    QStringLiteral("RAR-Archive"),
            QStringLiteral("ZIP-Archive"), QStringLiteral("Makrodateien"), QStringLiteral("Dokumente")};
}

CatalogueModel::CatalogueModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

void CatalogueModel::setRoot(CatalogueItem *root)
{
    beginResetModel();
    m_root = root;
    m_icons.clear();
    endResetModel();
    recount();
}

CatalogueItem *CatalogueModel::item(const QModelIndex &index) const
{
    return index.isValid() ? static_cast<CatalogueItem *>(index.internalPointer()) : nullptr;
}

CatalogueItem *CatalogueModel::itemOrRoot(const QModelIndex &index) const
{
    return index.isValid() ? item(index) : m_root;
}

void CatalogueModel::recount()
{
    m_checked = m_total = 0;
    if (m_root)
        countBelow(*m_root, m_checked, m_total);
    emit checksChanged();
}

void CatalogueModel::setBelow(CatalogueItem *parent, bool checked,
                              const std::function<bool(const CatalogueItem &)> &matches)
{
    if (parent->childCount() == 0)
        return;
    for (const auto &child : parent->children()) {
        if (matches(*child))
            child->checked = checked;
        setBelow(child.get(), checked, matches);
    }
    const QModelIndex parentIndex = parent == m_root ? QModelIndex() : createIndex(parent->row(), 0, parent);
    emit dataChanged(index(0, TitleColumn, parentIndex), index(parent->childCount() - 1, TitleColumn, parentIndex),
                     {Qt::CheckStateRole});
}

void CatalogueModel::setAllChecked(bool checked)
{
    if (!m_root)
        return;
    setBelow(m_root, checked, [](const CatalogueItem &) { return true; });
    recount();
}

void CatalogueModel::setGroupChecked(CatalogueGroup group, bool checked)
{
    if (!m_root)
        return;
    setBelow(m_root, checked, [group](const CatalogueItem &item) { return GroupOf(item.kind) == group; });
    recount();
}

QModelIndex CatalogueModel::index(int row, int column, const QModelIndex &parent) const
{
    const CatalogueItem *owner = itemOrRoot(parent);
    if (!owner || row < 0 || row >= owner->childCount() || column < 0 || column >= ColumnCount)
        return {};
    return createIndex(row, column, owner->child(row));
}

QModelIndex CatalogueModel::parent(const QModelIndex &child) const
{
    const CatalogueItem *entry = item(child);
    if (!entry || entry->parent() == m_root)
        return {};
    return createIndex(entry->parent()->row(), 0, entry->parent());
}

int CatalogueModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    const CatalogueItem *owner = itemOrRoot(parent);
    return owner ? owner->childCount() : 0;
}

int CatalogueModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QIcon CatalogueModel::iconOf(const QString &iconFile) const
{
    auto found = m_icons.constFind(iconFile);
    if (found == m_icons.cend()) {
        const QImage tile = CatalogueIcons::tileOf(iconFile);
        found = m_icons.insert(iconFile,
                               tile.isNull() ? QIcon() : QIcon(QPixmap::fromImage(ImageList::lastTileMasked(tile))));
    }
    return *found;
}

QVariant CatalogueModel::data(const QModelIndex &index, int role) const
{
    const CatalogueItem *entry = item(index);
    if (!entry)
        return {};
    if (role == Qt::CheckStateRole && index.column() == TitleColumn)
        return entry->checked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::DecorationRole && index.column() == TitleColumn && !entry->iconFile.isEmpty())
        return iconOf(entry->iconFile);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case TitleColumn:
        return entry->title;
    case ActionColumn:
        return ActionCaption(entry->action());
    case CommandColumn:
        return entry->command;
    case CommentColumn:
        return entry->comment().join(role == Qt::ToolTipRole ? QStringLiteral("\n") : QStringLiteral(" - "));
    case ImageColumn:
        return QFileInfo(entry->iconFile).fileName();
    default:
        return {};
    }
}

QVariant CatalogueModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const char *const captions[] = {"Titel", "Aktion", "Befehlszeile", "Kommentar", "Image"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(captions[section]) : QVariant();
}

bool CatalogueModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    CatalogueItem *entry = item(index);
    if (!entry || role != Qt::CheckStateRole || index.column() != TitleColumn)
        return false;
    const bool checked = value.toInt() == Qt::Checked;
    entry->checked = checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    setBelow(entry, checked, [](const CatalogueItem &) { return true; });
    recount();
    return true;
}

Qt::ItemFlags CatalogueModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == TitleColumn)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}
