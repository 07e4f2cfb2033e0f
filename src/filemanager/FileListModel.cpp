#include "filemanager/FileListModel.h"

#include "common/OperationObserver.h"
#include "filemanager/FileListSort.h"
#include "filemanager/FileMask.h"
#include "platform/DirectoryListing.h"
#include "platform/NativeNames.h"

namespace {

bool g_sortDescending = false;

QString WithTrailingSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace

FileListModel::FileListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    g_sortDescending = false;
    m_patterns = ParseMaskList(QStringLiteral("*.*"));
    buildColumns();
}

bool FileListModel::sortDescending()
{
    return g_sortDescending;
}

void FileListModel::setDirectory(const QString &directory)
{
    m_folders.clear();
    for (const QString &part : directory.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        m_folders.append(WithTrailingSeparator(part));
    reread();
}

void FileListModel::setFileTypes(FileTypes types)
{
    m_types = types;
    reread();
}

void FileListModel::setDisplayDirectory(bool display)
{
    if (display == m_displayDirectory)
        return;
    m_displayDirectory = display;
    reread();
}

void FileListModel::setMask(const QString &mask)
{
    m_patterns = ParseMaskList(mask);
    reread();
}

bool FileListModel::isShown(FileInfo info) const
{
    return (m_viewColumns & InfoBit(fiAll)) || (m_viewColumns & InfoBit(info));
}

void FileListModel::setSortColumn(FileInfo key)
{
    if (key == fiAll || !isShown(key))
        return;
    if (key == m_sortColumn)
        g_sortDescending = !g_sortDescending;
    else
        m_sortColumn = key;
    if (m_reading)
        return;
    emit layoutAboutToBeChanged();
    sortEntries();
    emit layoutChanged();
}

void FileListModel::setViewColumns(FileInfos infos)
{
    if (infos == m_viewColumns)
        return;
    m_viewColumns = infos;
    beginResetModel();
    buildColumns();
    endResetModel();
}

void FileListModel::buildColumns()
{
    m_columns = {fiName, fiSize};
    for (int info = fiType; info < fiAll; ++info) {
        if (isShown(FileInfo(info)))
            m_columns.append(FileInfo(info));
    }
}

int FileListModel::columnWidth(int column) const
{
    const FileInfo info = infoOfColumn(column);
    if (info == fiAll || !isShown(info))
        return 0;
    return FileInfoColumnOf(info).width;
}

void FileListModel::reread()
{
    // A change requested while events run inside the loop reads once more.
    if (m_reading) {
        m_readAgain = true;
        return;
    }
    m_reading = true;
    emit aboutToRead();
    QList<FileListEntry> entries;
    do {
        m_readAgain = false;
        m_unreadable = false;
        entries.clear();
        // Input waits until the list is read, so no keystroke or click acts
        // on a half-read list; painting goes on.
        EventPump pump(RunPendingEventsExceptUserInput);
        for (const QString &folder : std::as_const(m_folders)) {
            if (!readFolder(folder, entries, pump) && !m_readAgain)
                m_unreadable = true;
            pump.poll();
            if (m_readAgain)
                break;
        }
    } while (m_readAgain);
    beginResetModel();
    m_entries = std::move(entries);
    sortEntries();
    endResetModel();
    m_reading = false;
    emit readFinished();
}

bool FileListModel::readFolder(const QString &folder, QList<FileListEntry> &into, EventPump &pump)
{
    return DirectoryListing::list(folder, [&](const DirectoryListing::Item &item) {
        pump.poll();
        if (m_readAgain)
            return false;
        unsigned attributes = item.ownerWritable ? 0u : unsigned(faReadonly);
        if (item.name.startsWith(QLatin1Char('.')))
            attributes |= faHidden;
        if (!PassesTypeFilter(attributes, m_types))
            return true;
        if (item.isFolder ? !m_displayDirectory : !MatchesAnyPattern(item.name, m_patterns))
            return true;
        FileListEntry entry;
        entry.name = item.name;
        entry.upperName = item.name.toUpper();
        entry.folder = folder;
        entry.isFolder = item.isFolder;
        entry.attributes = attributes;
        entry.size = item.isFolder ? 0 : item.size;
        entry.modified = item.modifiedMs;
        entry.created = item.createdMs;
        entry.lastAccess = item.accessedMs;
        entry.typeIndex = item.isFolder ? folderTypeIndex() : fileTypeIndex(item.name);
        into.append(std::move(entry));
        return true;
    });
}

int FileListModel::typeIndexOf(const QMimeType &type, bool isFolder)
{
    const auto found = m_typeIndexes.constFind(type.name());
    if (found != m_typeIndexes.constEnd())
        return *found;
    const int index = int(m_typeNames.size());
    m_typeNames.append(type.comment().left(80));
    m_typeIcons.append(m_iconLookup ? m_iconLookup(type, isFolder) : QIcon());
    m_typeIndexes.insert(type.name(), index);
    return index;
}

int FileListModel::folderTypeIndex()
{
    if (m_folderType < 0)
        m_folderType = typeIndexOf(m_mimeDatabase.mimeTypeForName(QStringLiteral("inode/directory")), true);
    return m_folderType;
}

// Names with the same extension share a type; names without one are asked
// for one by one (README, Makefile).
int FileListModel::fileTypeIndex(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    if (!extension.isEmpty()) {
        const auto found = m_typeOfExtension.constFind(extension);
        if (found != m_typeOfExtension.constEnd())
            return *found;
    }
    const int index = typeIndexOf(m_mimeDatabase.mimeTypeForFile(name, QMimeDatabase::MatchExtension), false);
    if (!extension.isEmpty())
        m_typeOfExtension.insert(extension, index);
    return index;
}

QString FileListModel::typeName(const FileListEntry &entry) const
{
    return m_typeNames.value(entry.typeIndex);
}

void FileListModel::sortEntries()
{
    SortFileEntries(m_entries, m_sortColumn, g_sortDescending, m_typeNames);
}

QString FileListModel::cellText(const FileListEntry &entry, FileInfo info) const
{
    switch (info) {
    case fiName:
    case fiDosName:
        return NativeNames::forDisplay(entry.name);
    case fiSize:
        return SizeText(entry);
    case fiType:
        return typeName(entry);
    case fiModified:
        return TimeText(entry.modified);
    case fiCreated:
        return TimeText(entry.created);
    case fiLastAccess:
        return TimeText(entry.lastAccess);
    case fiAttributes:
        return AttributeLetters(entry);
    case fiDosExt:
        return DosExtension(NativeNames::forDisplay(entry.name));
    case fiPath:
        return NativeNames::forDisplay(entry.folder);
    case fiAll:
        break;
    }
    return QString();
}

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

int FileListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size())
        return {};
    const FileListEntry &entry = m_entries.at(index.row());
    const FileInfo info = infoOfColumn(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(entry, info);
    case Qt::DecorationRole:
        if (info == fiName)
            return m_typeIcons.value(entry.typeIndex);
        break;
    case Qt::TextAlignmentRole:
        if (info != fiAll && FileInfoColumnOf(info).rightAligned)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default:
        break;
    }
    return {};
}

QVariant FileListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    const FileInfo info = infoOfColumn(section);
    return info == fiAll ? QVariant() : QVariant(QString::fromLatin1(FileInfoColumnOf(info).caption));
}

Qt::ItemFlags FileListModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && infoOfColumn(index.column()) == fiName && m_renameHandler)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool FileListModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !m_renameHandler)
        return false;
    const QString newName = value.toString();
    if (newName == NativeNames::forDisplay(m_entries.at(index.row()).name))
        return false;
    if (!m_renameHandler(index.row(), newName))
        return false;
    FileListEntry &entry = m_entries[index.row()];
    entry.name = newName;
    entry.upperName = newName.toUpper();
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    return true;
}
