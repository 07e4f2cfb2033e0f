#include "components/FileListBox.h"

#include <QDir>
#include <QFileIconProvider>
#include <QKeyEvent>
#include <QMimeDatabase>

namespace {

constexpr int PathRole = Qt::UserRole;

// "*.*" matches every name, as it did where the masks come from.
QStringList nameFiltersOf(const QString &mask)
{
    QStringList filters;
    for (const QString &part : mask.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        filters.append(part.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : part.trimmed());
    return filters;
}

// The icon of the file's type, told by its name only: listing reads no file.
QIcon iconOf(const QFileInfo &file)
{
    static const QIcon generic = QFileIconProvider().icon(QFileIconProvider::File);
    static const QMimeDatabase types;
    const QMimeType type = types.mimeTypeForFile(file.fileName(), QMimeDatabase::MatchExtension);
    return QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName(), generic));
}

} // namespace

FileListBox::FileListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void FileListBox::setFolder(const QString &path)
{
    m_folder = path;
    fill();
}

void FileListBox::setMask(const QString &mask)
{
    m_nameFilters = nameFiltersOf(mask);
    fill();
}

void FileListBox::fill()
{
    const QSignalBlocker quiet(this);
    clear();
    if (m_folder.isEmpty())
        return;
    const QDir dir(m_folder);
    const QFileInfoList files =
        dir.entryInfoList(m_nameFilters, QDir::Files | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files) {
        auto *item = new QListWidgetItem(iconOf(file), file.fileName(), this);
        item->setData(PathRole, file.absoluteFilePath());
    }
}

QString FileListBox::selectedFile() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(PathRole).toString();
}

void FileListBox::selectFile(const QString &path)
{
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(PathRole).toString() == path) {
            setCurrentRow(row);
            scrollToItem(item(row));
            return;
        }
    }
    clearSelection();
}

void FileListBox::keyPressEvent(QKeyEvent *event)
{
    QListWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
}
