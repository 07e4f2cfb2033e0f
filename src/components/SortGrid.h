#pragma once

#include <QTableWidget>

// A read-only grid of text cells with one header row. Whole rows are
// selected; clicking a header sorts by that column, clicking it again
// reverses the order. Cells compare by their sort key when both have one,
// else by text without regard to letter case.
class SortGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit SortGrid(QWidget *parent = nullptr);

    void setHeaders(const QStringList &headers, const QList<int> &widths);

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

    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
