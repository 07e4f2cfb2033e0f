#include "components/FolderListBox.h"

#include <QDir>
#include <QFileIconProvider>
#include <QKeyEvent>

namespace {

constexpr int PathRole = Qt::UserRole;

QStringList ancestorsOf(const QString &folder)
{
    QStringList chain;
    QDir dir(folder);
    chain.prepend(dir.absolutePath());
    while (dir.cdUp())
        chain.prepend(dir.absolutePath());
    return chain;
}

} // namespace

FolderListBox::FolderListBox(QWidget *parent)
    : QListWidget(parent)
{
    connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem *item) {
        const QString path = item->data(PathRole).toString();
        setFolder(path);
        emit folderChosen(path);
    });
}

void FolderListBox::addItem(const QString &path, const QString &text, int depth)
{
    static const QIcon icon = QFileIconProvider().icon(QFileIconProvider::Folder);
    auto *item = new QListWidgetItem(icon, QString(depth * 2, QLatin1Char(' ')) + text, this);
    item->setData(PathRole, path);
}

void FolderListBox::setFolder(const QString &path)
{
    m_folder = QDir::cleanPath(QDir(path).absolutePath());
    clear();
    const QStringList chain = ancestorsOf(m_folder);
    for (int depth = 0; depth < chain.size(); ++depth) {
        const QString name = QDir(chain[depth]).dirName();
        addItem(chain[depth], name.isEmpty() ? chain[depth] : name, depth);
    }
    setCurrentRow(count() - 1);
    const QDir dir(m_folder);
    for (const QString &name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
        addItem(dir.filePath(name), name, static_cast<int>(chain.size()));
}

void FolderListBox::keyPressEvent(QKeyEvent *event)
{
    QListWidget::keyPressEvent(event);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->accept();
}
