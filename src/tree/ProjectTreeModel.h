#pragma once

#include "tree/TreeEditing.h"

#include <QAbstractItemModel>
#include <QIcon>
#include <QList>

#include <functional>

struct Project;
class ProjectEntry;

// A project's entries for a tree view: the title as text, the entry's images
// from the project's image list, the entry itself as internal pointer.
class ProjectTreeModel : public QAbstractItemModel, public TreeChangeListener {
    Q_OBJECT

public:
    enum Role {
        // The image shown while the entry is selected.
        SelectedDecorationRole = Qt::UserRole + 1,
    };

    explicit ProjectTreeModel(QObject *parent = nullptr);

    // Shows project (nullptr: nothing) in one reset; the model does not own it.
    void setProject(Project *project);
    Project *project() const { return m_project; }

    ProjectEntry *entry(const QModelIndex &index) const;
    QModelIndex indexOf(const ProjectEntry *entry) const;

    // The entry's title or images changed.
    void entryChanged(ProjectEntry *entry) override;

    // The tree editor's changes.
    void beginInsertEntry(ProjectEntry *parent, int row) override;
    void endInsertEntry() override;
    void beginRemoveEntry(ProjectEntry *parent, int row) override;
    void endRemoveEntry() override;
    void beginMoveEntry(ProjectEntry *from, int row, ProjectEntry *to, int destinationRow) override;
    void endMoveEntry() override;
    // The image list or the project's use of images changed.
    void imagesChanged();
    // Runs reorder, which only changes the order of siblings, as one layout
    // change; selections and other persistent indexes follow their entries.
    void reorderEntries(const std::function<void()> &reorder);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    bool hasChildren(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // The user gave the entry another title in place.
    void titleEdited(ProjectEntry *entry);

private:
    ProjectEntry *parentEntry(const QModelIndex &parent) const;
    QVariant icon(int imageIndex) const;

    Project *m_project = nullptr;
    // Built from the image list on first use after a reset.
    mutable QList<QIcon> m_icons;
};
