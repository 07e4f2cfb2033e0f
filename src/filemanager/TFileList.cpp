#include "filemanager/TFileList.h"

#include <QDateTime>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QSet>
#include <QStackedLayout>
#include <QTreeView>

namespace {

constexpr QSize kLargeIconGrid(96, 64);
constexpr int kColumnGap = 8;

// Width of a cell showing text: the text and the item margins.
int CellWidth(const QAbstractItemView *view, const QString &text)
{
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return view->fontMetrics().horizontalAdvance(text) + 2 * margin + 2;
}

} // namespace

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
    // A grid lays the items out, so they need no uniform size; each is
    // drawn as wide as its own name.
    m_listView->setResizeMode(QListView::Adjust);
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->addWidget(m_listView);
    m_stack->addWidget(m_detailsView);

    connect(m_detailsView->header(), &QHeaderView::sectionClicked, this,
            [this](int section) { m_model->setSortColumn(m_model->infoOfColumn(section)); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        fitToNames();
        updateHint();
    });
    connect(m_model, &QAbstractItemModel::dataChanged, this, &TFileList::fitToNames);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &TFileList::fitToNames);
    connect(m_selection, &QItemSelectionModel::selectionChanged, this, &TFileList::selectionChanged);
    setViewStyle(vsList);
    fitToNames();
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
        m_listView->setFlow(QListView::LeftToRight);
        m_listView->setMovement(QListView::Static);
        m_listView->setWordWrap(true);
        break;
    case vsSmallIcon:
        m_listView->setViewMode(QListView::ListMode);
        m_listView->setIconSize(QSize(16, 16));
        m_listView->setFlow(QListView::LeftToRight);
        m_listView->setWrapping(true);
        m_listView->setWordWrap(false);
        break;
    case vsReport:
        break;
    case vsList:
    default:
        m_style = vsList;
        m_listView->setViewMode(QListView::ListMode);
        m_listView->setIconSize(QSize(16, 16));
        m_listView->setFlow(QListView::TopToBottom);
        m_listView->setWrapping(true);
        m_listView->setWordWrap(false);
        break;
    }
    applyGrid();
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

void TFileList::fitToNames()
{
    const QFontMetrics metrics = m_listView->fontMetrics();
    m_widestRow = -1;
    int widest = -1;
    for (int row = 0; row < count(); ++row) {
        const int width = metrics.horizontalAdvance(m_model->entry(row).name);
        if (width > widest) {
            widest = width;
            m_widestRow = row;
        }
    }
    applyGrid();
    applyColumns();
}

// The grid the list styles lay their items out in: as wide as the widest
// name; the large icons wrap it, as high as it needs.
void TFileList::applyGrid()
{
    if (m_style == vsReport)
        return;
    const QModelIndex widest = m_model->index(m_widestRow, 0);
    if (m_style == vsIcon) {
        m_listView->setGridSize(kLargeIconGrid);
        if (!widest.isValid())
            return;
        const int lineHeight = m_listView->fontMetrics().lineSpacing();
        const int needed = m_listView->sizeHintForIndex(widest).height();
        // Another name may break at a worse place; one line to spare.
        const int height = needed > kLargeIconGrid.height() ? needed + lineHeight : kLargeIconGrid.height();
        m_listView->setGridSize(QSize(kLargeIconGrid.width(), height));
        return;
    }
    const QSize item = widest.isValid() ? m_listView->sizeHintForIndex(widest) : QSize(160, 20);
    m_listView->setGridSize(QSize(item.width() + kColumnGap, item.height()));
}

// The table widths are the least a column gets: sizes of ten digits, the
// time of day and every name show whole.
void TFileList::applyColumns()
{
    QHeaderView *header = m_detailsView->header();
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const int width = m_model->columnWidth(column);
        header->setSectionHidden(column, width == 0);
        if (width > 0)
            header->resizeSection(column, std::max(width, neededWidth(column)));
    }
}

int TFileList::neededWidth(int column) const
{
    const FileInfo info = m_model->infoOfColumn(column);
    const QModelIndex widest = m_model->index(m_widestRow, column);
    switch (info) {
    case fiName:
        return widest.isValid() ? m_detailsView->sizeHintForIndex(widest).width() : 0;
    case fiDosName:
        return widest.isValid() ? CellWidth(m_detailsView, widest.data().toString()) : 0;
    case fiSize:
        return CellWidth(m_detailsView, QStringLiteral("9999999999"));
    case fiType: {
        int width = 0;
        QSet<int> seen;
        for (const FileListEntry &entry : m_model->entries()) {
            if (!seen.contains(entry.typeIndex)) {
                seen.insert(entry.typeIndex);
                width = std::max(width, CellWidth(m_detailsView, m_model->typeName(entry)));
            }
        }
        return width;
    }
    case fiModified:
    case fiCreated:
    case fiLastAccess: {
        const QDateTime late(QDate(2000, 12, 28), QTime(23, 58));
        return CellWidth(m_detailsView, TimeText(late.toMSecsSinceEpoch()));
    }
    default:
        return 0;
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
