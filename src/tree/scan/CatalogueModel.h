#pragma once

#include "tree/scan/CatalogueItem.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QIcon>

// Kinds of proposals the user checks or clears together.
enum class CatalogueGroup { Folders, Programs, RarArchives, ZipArchives, Macros, Documents };
CatalogueGroup GroupOf(CatalogueKind kind);
// "Ordner", "Programme", ... in the order of the enumeration.
QStringList CatalogueGroupNames();

// The proposals of a scan as a tree grid with a check box per row. Checking
// or clearing a folder does the same to everything below it.
class CatalogueModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Column { TitleColumn, ActionColumn, CommandColumn, CommentColumn, ImageColumn, ColumnCount };

    explicit CatalogueModel(QObject *parent = nullptr);

    // Shows the proposals below root (nullptr: none) in one reset; the model
    // does not own them.
    void setRoot(CatalogueItem *root);
    CatalogueItem *item(const QModelIndex &index) const;

    void setAllChecked(bool checked);
    void setGroupChecked(CatalogueGroup group, bool checked);
    qint64 checkedCount() const { return m_checked; }
    qint64 proposalCount() const { return m_total; }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

signals:
    // The number of checked proposals may have changed.
    void checksChanged();

private:
    CatalogueItem *itemOrRoot(const QModelIndex &index) const;
    QIcon iconOf(const QString &iconFile) const;
    // Sets checked on the items below parent that match, telling the views.
    void setBelow(CatalogueItem *parent, bool checked, const std::function<bool(const CatalogueItem &)> &matches);
    void recount();

    CatalogueItem *m_root = nullptr;
    qint64 m_checked = 0;
    qint64 m_total = 0;
    mutable QHash<QString, QIcon> m_icons;
};
