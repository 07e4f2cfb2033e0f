#pragma once

#include "filemanager/FileListEntry.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QMimeDatabase>
#include <QStringList>

#include <functional>

// The files and subfolders of one or more folders, filtered by attributes and
// name patterns, sorted by one key. Every change of folder, mask, types or
// folder display re-reads in one model reset.
class FileListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Icon for a MIME type; asked once per type.
    using IconLookup = std::function<QIcon(const QMimeType &type, bool isFolder)>;
    // Renames entry row to newName; true when it was renamed.
    using RenameHandler = std::function<bool(int row, const QString &newName)>;

    explicit FileListModel(QObject *parent = nullptr);

    // Folders separated by ";", each read back with a trailing "/".
    QString directory() const { return m_folders.join(QLatin1Char(';')); }
    void setDirectory(const QString &directory);
    const QStringList &folders() const { return m_folders; }

    void setFileTypes(FileTypes types);
    void setDisplayDirectory(bool display);
    QString mask() const { return m_patterns.join(QLatin1Char(';')); }
    void setMask(const QString &mask);

    FileInfo sortColumn() const { return m_sortColumn; }
    // Ignored for keys without a shown column; the same key again reverses.
    void setSortColumn(FileInfo key);
    // The sort direction every file list shares; cleared when a list is made.
    static bool sortDescending();

    void setViewColumns(FileInfos infos);
    // The info of a column and the column of an info (-1 when none).
    FileInfo infoOfColumn(int column) const { return m_columns.value(column, fiAll); }
    int columnOf(FileInfo info) const { return m_columns.indexOf(info); }
    // Table width, or 0 for Name and Size when they are not among the columns.
    int columnWidth(int column) const;
    bool isShown(FileInfo info) const;

    void reread();
    // True when a folder of the last read could not be read at all.
    bool readFailed() const { return m_unreadable; }

    const FileListEntry &entry(int row) const { return m_entries.at(row); }
    const QList<FileListEntry> &entries() const { return m_entries; }
    QString typeName(const FileListEntry &entry) const;
    QString pathOf(int row) const { return m_entries.at(row).folder + m_entries.at(row).name; }

    void setIconLookup(IconLookup lookup) { m_iconLookup = std::move(lookup); }
    void setRenameHandler(RenameHandler handler) { m_renameHandler = std::move(handler); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    void aboutToRead();
    void readFinished();

private:
    void buildColumns();
    // False when folder cannot be read.
    bool readFolder(const QString &folder, QList<FileListEntry> &into, class EventPump &pump);
    int typeIndexOf(const QMimeType &type, bool isFolder);
    int folderTypeIndex();
    int fileTypeIndex(const QString &name);
    QString cellText(const FileListEntry &entry, FileInfo info) const;
    void sortEntries();

    QStringList m_folders;
    QStringList m_patterns;
    FileTypes m_types = ftArchive | ftReadonly;
    bool m_displayDirectory = true;
    FileInfo m_sortColumn = fiName;
    FileInfos m_viewColumns = InfoBit(fiName) | InfoBit(fiSize) | InfoBit(fiType) | InfoBit(fiModified);
    QList<FileInfo> m_columns;
    QList<FileListEntry> m_entries;

    QMimeDatabase m_mimeDatabase;
    QHash<QString, int> m_typeIndexes;
    QHash<QString, int> m_typeOfExtension;
    int m_folderType = -1;
    QStringList m_typeNames;
    QList<QIcon> m_typeIcons;
    IconLookup m_iconLookup;
    RenameHandler m_renameHandler;

    bool m_reading = false;
    bool m_readAgain = false;
    bool m_unreadable = false;
};
