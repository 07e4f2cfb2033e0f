#pragma once

#include <QDialog>

#include <functional>

class ProjectEntry;
class ProjectTree;
class QLabel;
class QPushButton;
class QRadioButton;

// "Sortieren": sorts the sub-entries of the selected entry or the whole tree
// by title. Accepted after sorting.
class TSortierenForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 40200;

    // Runs sort; whoever shows the tree wraps it to follow the new order.
    using SortWrapper = std::function<void(const std::function<void()> &sort)>;

    TSortierenForm(ProjectTree &tree, ProjectEntry *selected, QWidget *parent = nullptr);

    void setSortWrapper(SortWrapper wrapper) { m_wrapper = std::move(wrapper); }

private:
    int countToSort() const;
    void updateCount();
    void Button_Sortieren_OnClick();

    ProjectTree &m_tree;
    ProjectEntry *m_selected;
    SortWrapper m_wrapper;
    QLabel *m_count = nullptr;
    QRadioButton *m_subEntries = nullptr;
    QRadioButton *m_all = nullptr;
    QPushButton *m_sort = nullptr;
};
