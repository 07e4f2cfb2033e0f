#include "filemanager/TFileList.h"

#include <QFileIconProvider>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QStackedLayout>
#include <QTreeView>

TFileList::TFileList(QWidget *parent)
    : QWidget(parent)
    , m_model(new FileListModel(this))
    , m_listView(new QListView(this))
    , m_detailsView(new QTreeView(this))
    , m_stack(new QStackedLayout(this))
{
    m_model->setIconLookup([this](const QMimeType &type, bool isFolder) { return iconFor(type, isFolder); });
    m_listView->setObjectName(QStringLiteral("FileListItems"));
    m_detailsView->setObjectName(QStringLiteral("FileListDetails"));
    m_listView->setModel(m_model);
    m_detailsView->setModel(m_model);
    m_selection = m_listView->selectionModel();
    m_detailsView->setSelectionModel(m_selection);
    m_detailsView->setRootIsDecorated(false);
    m_detailsView->setItemsExpandable(false);
    m_detailsView->setUniformRowHeights(true);
    m_detailsView->setAllColumnsShowFocus(true);
    m_detailsView->header()->setSectionsClickable(true);
    m_detailsView->header()->setStretchLastSection(false);
    for (QAbstractItemView *view :
         {static_cast<QAbstractItemView *>(m_listView), static_cast<QAbstractItemView *>(m_detailsView)}) {
        view->setSelectionMode(QAbstractItemView::ExtendedSelection);
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
        connect(view, &QAbstractItemView::activated, this,
                [this](const QModelIndex &index) { emit itemActivated(index.row()); });
    }
    m_listView->setUniformItemSizes(true);
    m_listView->setResizeMode(QListView::Adjust);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_listView);
    m_stack->addWidget(m_detailsView);

    connect(m_detailsView->header(), &QHeaderView::sectionClicked, this,
            [this](int section) { m_model->setSortColumn(m_model->infoOfColumn(section)); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        applyColumns();
        updateHint();
    });
    connect(m_selection, &QItemSelectionModel::selectionChanged, this, &TFileList::selectionChanged);
    applyColumns();
    setViewStyle(vsList);
}

QIcon TFileList::iconFor(const QMimeType &type, bool isFolder) const
{
    QIcon icon = QIcon::fromTheme(type.iconName());
    if (icon.isNull())
        icon = QIcon::fromTheme(type.genericIconName());
    if (icon.isNull()) {
        static const QFileIconProvider provider;
        icon = provider.icon(isFolder ? QAbstractFileIconProvider::Folder : QAbstractFileIconProvider::File);
    }
    return icon;
}

void TFileList::setViewStyle(ViewStyle style)
{
    m_style = style;
    switch (style) {
    case vsIcon:
        m_listView->setViewMode(QListView::IconMode);
        m_listView->setIconSize(QSize(32, 32));
        m_listView->setGridSize(QSize(96, 64));
        m_listView->setFlow(QListView::LeftToRight);
        m_listView->setMovement(QListView::Static);
        break;
    case vsSmallIcon:
        m_listView->setViewMode(QListView::ListMode);
        m_listView->setIconSize(QSize(16, 16));
        m_listView->setGridSize(QSize(160, 20));
        m_listView->setFlow(QListView::LeftToRight);
        m_listView->setWrapping(true);
        break;
    case vsReport:
        break;
    case vsList:
    default:
        m_style = vsList;
        m_listView->setViewMode(QListView::ListMode);
        m_listView->setIconSize(QSize(16, 16));
        m_listView->setGridSize(QSize());
        m_listView->setFlow(QListView::TopToBottom);
        m_listView->setWrapping(true);
        break;
    }
    QWidget *shown = m_style == vsReport ? static_cast<QWidget *>(m_detailsView) : m_listView;
    const bool hadFocus = m_stack->currentWidget() && m_stack->currentWidget()->hasFocus();
    m_stack->setCurrentWidget(shown);
    if (hadFocus)
        shown->setFocus();
    scrollToRow(currentRow());
}

QAbstractItemView *TFileList::currentView() const
{
    return m_style == vsReport ? static_cast<QAbstractItemView *>(m_detailsView) : m_listView;
}

void TFileList::applyColumns()
{
    QHeaderView *header = m_detailsView->header();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const int width = m_model->columnWidth(column);
        header->setSectionHidden(column, width == 0);
        if (width > 0)
            header->resizeSection(column, width);
    }
}

void TFileList::updateHint()
{
    const QString hint = QString::number(count()) + QStringLiteral(" Objekte");
    m_listView->setToolTip(hint);
    m_detailsView->setToolTip(hint);
}

QList<int> TFileList::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex &index : m_selection->selectedIndexes()) {
        if (index.column() == 0)
            rows.append(index.row());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

int TFileList::selectedCount() const
{
    return int(selectedRows().size());
}

bool TFileList::isRowSelected(int row) const
{
    return m_selection->isSelected(m_model->index(row, 0));
}

void TFileList::setRowSelected(int row, bool selected)
{
    if (row < 0 || row >= count())
        return;
    m_selection->select(m_model->index(row, 0), (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect)
                                                    | QItemSelectionModel::Rows);
}

void TFileList::selectAll()
{
    if (count() == 0)
        return;
    const QItemSelection all(m_model->index(0, 0), m_model->index(count() - 1, m_model->columnCount() - 1));
    m_selection->select(all, QItemSelectionModel::Select);
}

void TFileList::selectNone()
{
    m_selection->clearSelection();
}

void TFileList::invertSelection()
{
    if (count() == 0)
        return;
    const QItemSelection all(m_model->index(0, 0), m_model->index(count() - 1, m_model->columnCount() - 1));
    m_selection->select(all, QItemSelectionModel::Toggle);
}

void TFileList::selectOnly(int row)
{
    if (row < 0 || row >= count())
        return;
    m_selection->setCurrentIndex(m_model->index(row, 0),
                                 QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int TFileList::currentRow() const
{
    const QModelIndex current = m_selection->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void TFileList::scrollToRow(int row)
{
    if (row >= 0 && row < count())
        currentView()->scrollTo(m_model->index(row, 0));
}
