#include "components/SortGrid.h"

#include <QHeaderView>

namespace {

constexpr int kSortKeyRole = Qt::UserRole + 1;

class SortGridItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;

    bool operator<(const QTableWidgetItem &other) const override
    {
        const QVariant key = data(kSortKeyRole);
        const QVariant otherKey = other.data(kSortKeyRole);
        if (key.isValid() && otherKey.isValid())
            return QVariant::compare(key, otherKey) == QPartialOrdering::Less;
        return text().compare(other.text(), Qt::CaseInsensitive) < 0;
    }
};

} // namespace

SortGrid::SortGrid(QWidget *parent)
    : QTableWidget(parent)
{
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    // The header's sizes keep room for the sort arrow before any sorting.
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &SortGrid::header_OnClick);
}

void SortGrid::setHeaders(const QStringList &headers, const QList<int> &widths)
{
    setColumnCount(static_cast<int>(headers.size()));
    setHorizontalHeaderLabels(headers);
    for (int column = 0; column < widths.size() && column < columnCount(); ++column)
        setColumnWidth(column, widths.at(column));
    m_minimumWidths = widths;
}

void SortGrid::setMaximumColumnWidth(int column, int width)
{
    m_maximumWidths.insert(column, width);
}

void SortGrid::fitColumns()
{
    for (int column = 0; column < columnCount(); ++column) {
        int width = qMax(horizontalHeader()->sectionSizeHint(column), sizeHintForColumn(column));
        width = qMin(width, m_maximumWidths.value(column, width));
        setColumnWidth(column, qMax(width, m_minimumWidths.value(column)));
    }
}

int SortGrid::appendRow(const QStringList &texts, const QVariantList &sortKeys)
{
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) {
        auto *item = new SortGridItem(texts.value(column));
        if (column < sortKeys.size() && sortKeys.at(column).isValid())
            item->setData(kSortKeyRole, sortKeys.at(column));
        setItem(row, column, item);
    }
    return row;
}

QString SortGrid::cellText(int row, int column) const
{
    const QTableWidgetItem *cell = item(row, column);
    return cell ? cell->text() : QString();
}

int SortGrid::selectedRow() const
{
    const QList<QTableWidgetItem *> items = selectedItems();
    return items.isEmpty() ? -1 : items.first()->row();
}

void SortGrid::showRow(int row)
{
    setCurrentCell(row, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollToItem(item(row, 0));
}

void SortGrid::sortRows(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, order);
    sortItems(column, order);
}

void SortGrid::header_OnClick(int column)
{
    const bool again = column == m_sortColumn && m_sortOrder == Qt::AscendingOrder;
    sortRows(column, again ? Qt::DescendingOrder : Qt::AscendingOrder);
}
