#pragma once

#include <QTreeView>

class ProjectEntry;
class ProjectTreeModel;

// The project tree: one column of titles with the entries' images, the
// selected image on the selected entry. The selected entry is the current
// one; single expand keeps only the branch of the selected entry open.
class ProjectTreeView : public QTreeView {
    Q_OBJECT

public:
    explicit ProjectTreeView(QWidget *parent = nullptr);

    ProjectTreeModel *projectModel() const { return m_model; }

    ProjectEntry *selectedEntry() const;
    // Selects entry (nullptr: none) and scrolls it into view.
    void selectEntry(ProjectEntry *entry);

    void setSingleExpand(bool on) { m_singleExpand = on; }
    bool singleExpand() const { return m_singleExpand; }

signals:
    // The selected entry changed; nullptr when none is selected.
    void selectedEntryChanged(ProjectEntry *entry);

private:
    void onCurrentChanged(const QModelIndex &current);
    void collapseOtherBranches(const QModelIndex &index);

    ProjectTreeModel *m_model = nullptr;
    bool m_singleExpand = false;
};
