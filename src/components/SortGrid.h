#pragma once

#include <QHash>
#include <QTableWidget>

// A read-only grid of text cells with one header row. Whole rows are
// selected; clicking a header sorts by that column, clicking it again
// reverses the order. Cells compare by their sort key when both have one,
// else by text without regard to letter case.
class SortGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit SortGrid(QWidget *parent = nullptr);

    // widths are the columns' widths, and their minima for fitColumns().
    void setHeaders(const QStringList &headers, const QList<int> &widths);
    // Widens every column to its header and its cells, never narrower than
    // its width from setHeaders nor wider than a maximum set here.
    void setMaximumColumnWidth(int column, int width);
    void fitColumns();

    // Appends a row of texts; sortKeys, where given, order a column's cells.
    int appendRow(const QStringList &texts, const QVariantList &sortKeys = {});

    QString cellText(int row, int column) const;
    // The selected row; -1 when none.
    int selectedRow() const;
    // Selects row and scrolls it into view.
    void showRow(int row);

    void sortRows(int column, Qt::SortOrder order);

private:
    void header_OnClick(int column);

    QList<int> m_minimumWidths;
    QHash<int, int> m_maximumWidths;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
