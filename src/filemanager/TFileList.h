#pragma once

#include "filemanager/FileListModel.h"

#include <QWidget>

class QItemSelectionModel;
class QListView;
class QStackedLayout;
class QTreeView;
class QAbstractItemView;

// The file list control: one model shown in four styles (large icons, small
// icons, list, details with the column table), one selection shared by all.
class TFileList : public QWidget {
    Q_OBJECT

public:
    enum ViewStyle : int { vsIcon = 1, vsSmallIcon = 2, vsList = 3, vsReport = 4 };

    explicit TFileList(QWidget *parent = nullptr);

    FileListModel &model() { return *m_model; }
    const FileListModel &model() const { return *m_model; }

    void setViewStyle(ViewStyle style);
    // The view of the current style.
    QAbstractItemView *currentView() const;

    int count() const { return m_model->rowCount(); }
    QList<int> selectedRows() const;
    int selectedCount() const;
    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    void selectAll();
    void selectNone();
    void invertSelection();
    // Keeps only row selected and makes it the current one.
    void selectOnly(int row);
    int currentRow() const;
    void scrollToRow(int row);

signals:
    void selectionChanged();
    // Double-click or Enter on an item.
    void itemActivated(int row);

private:
    // Sizes the items and columns so that every name shows whole.
    void fitToNames();
    void applyGrid();
    void applyColumns();
    int neededWidth(int column) const;
    void updateHint();
    QIcon iconFor(const QMimeType &type, bool isFolder) const;

    FileListModel *m_model;
    QListView *m_listView;
    QTreeView *m_detailsView;
    QStackedLayout *m_stack;
    QItemSelectionModel *m_selection;
    ViewStyle m_style = vsList;
    int m_widestRow = -1; // the row whose name is widest, -1 when empty
};
