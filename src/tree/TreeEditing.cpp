#include "tree/TreeEditing.h"

#include "common/AppContext.h"
#include "project/ProjectTree.h"

#include <QFileInfo>

namespace {

class NoListener : public TreeChangeListener {
public:
    void beginInsertEntry(ProjectEntry *, int) override {}
    void endInsertEntry() override {}
    void beginRemoveEntry(ProjectEntry *, int) override {}
    void endRemoveEntry() override {}
    void beginMoveEntry(ProjectEntry *, int, ProjectEntry *, int) override {}
    void endMoveEntry() override {}
    void entryChanged(ProjectEntry *) override {}
};

NoListener g_noListener;

bool isFolderImage(int image)
{
    return image == 0 || image == 1;
}

bool isLeafImage(int image)
{
    return image == 2 || image == 3;
}

} // namespace

TreeEditor::TreeEditor(ProjectTree &tree, TreeChangeListener *listener)
    : m_tree(tree)
    , m_listener(listener ? listener : &g_noListener)
{
}

bool TreeEditor::hasAutomaticFolderImages(const ProjectEntry *entry)
{
    return isFolderImage(entry->imageIndex) || isFolderImage(entry->selectedImageIndex);
}

bool TreeEditor::hasAutomaticLeafImages(const ProjectEntry *entry)
{
    return isLeafImage(entry->imageIndex) || isLeafImage(entry->selectedImageIndex);
}

void TreeEditor::setImages(ProjectEntry *entry, int normal, int selected)
{
    entry->imageIndex = normal;
    entry->selectedImageIndex = selected;
    m_listener->entryChanged(entry);
}

ProjectEntry *TreeEditor::insertNew(ProjectEntry *parent, int row, const QString &command)
{
    auto entry = std::make_unique<ProjectEntry>(defaultTitle);
    entry->imageIndex = 2;
    entry->selectedImageIndex = 3;
    entry->record.command = command;
    m_listener->beginInsertEntry(parent, row);
    ProjectEntry *added = m_tree.insert(parent, row, std::move(entry));
    m_listener->endInsertEntry();
    return added;
}

ProjectEntry *TreeEditor::addEntry(ProjectEntry *selected, const QString &command)
{
    if (!selected)
        return insertNew(m_tree.root(), m_tree.topLevelCount(), command);
    return insertNew(selected->parent(), selected->row(), command);
}

ProjectEntry *TreeEditor::addChild(ProjectEntry *parent, const QString &command)
{
    if (hasAutomaticLeafImages(parent))
        setImages(parent, 0, 1);
    return insertNew(parent, parent->childCount(), command);
}

void TreeEditor::undoAdd(ProjectEntry *added)
{
    ProjectEntry *parent = added->parent();
    if (parent != m_tree.root() && parent->childCount() == 1) {
        setImages(parent, parent->imageIndex == 0 ? 2 : parent->imageIndex,
                  parent->selectedImageIndex == 1 ? 3 : parent->selectedImageIndex);
    }
    take(added);
}

void TreeEditor::take(ProjectEntry *entry)
{
    ProjectEntry *parent = entry->parent();
    m_listener->beginRemoveEntry(parent, entry->row());
    const std::unique_ptr<ProjectEntry> taken = m_tree.take(entry);
    m_listener->endRemoveEntry();
}

void TreeEditor::becomeLeafIfEmpty(ProjectEntry *entry)
{
    if (entry != m_tree.root() && !entry->hasChildren() && hasAutomaticFolderImages(entry))
        setImages(entry, 2, 3);
}

void TreeEditor::remove(ProjectEntry *entry)
{
    ProjectEntry *parent = entry->parent();
    take(entry);
    becomeLeafIfEmpty(parent);
}

void TreeEditor::removeChildren(ProjectEntry *entry)
{
    while (entry->hasChildren())
        take(entry->child(entry->childCount() - 1));
    if (hasAutomaticFolderImages(entry))
        setImages(entry, 2, 3);
}

void TreeEditor::removeAll()
{
    ProjectEntry *root = m_tree.root();
    while (root->hasChildren())
        take(root->child(root->childCount() - 1));
}

void TreeEditor::moveTo(ProjectEntry *entry, ProjectEntry *parent, int row)
{
    ProjectEntry *from = entry->parent();
    const int fromRow = entry->row();
    if (from == parent && (row == fromRow || row == fromRow + 1))
        return;
    m_listener->beginMoveEntry(from, fromRow, parent, row);
    std::unique_ptr<ProjectEntry> taken = m_tree.take(entry);
    const int insertRow = from == parent && fromRow < row ? row - 1 : row;
    m_tree.insert(parent, insertRow, std::move(taken));
    m_listener->endMoveEntry();
}

bool TreeEditor::moveUp(ProjectEntry *entry)
{
    ProjectEntry *previous = entry->previousSibling();
    if (!previous)
        return false;
    moveTo(entry, entry->parent(), previous->row());
    return true;
}

bool TreeEditor::moveDown(ProjectEntry *entry)
{
    ProjectEntry *next = entry->nextSibling();
    if (!next)
        return false;
    moveTo(entry, entry->parent(), next->row() + 1);
    return true;
}

bool TreeEditor::moveToStart(ProjectEntry *entry)
{
    if (!entry->previousSibling())
        return false;
    moveTo(entry, entry->parent(), 0);
    return true;
}

bool TreeEditor::moveToEnd(ProjectEntry *entry)
{
    if (!entry->nextSibling())
        return false;
    moveTo(entry, entry->parent(), entry->parent()->childCount());
    return true;
}

ProjectEntry *TreeEditor::copyBefore(const ProjectEntry *source, ProjectEntry *target)
{
    auto copy = std::make_unique<ProjectEntry>(source->title);
    copy->record = source->record;
    const bool ownImages = !isFolderImage(source->imageIndex) && !isFolderImage(source->selectedImageIndex);
    copy->imageIndex = ownImages ? source->imageIndex : 2;
    copy->selectedImageIndex = ownImages ? source->selectedImageIndex : 3;
    ProjectEntry *parent = target->parent();
    const int row = target->row();
    m_listener->beginInsertEntry(parent, row);
    ProjectEntry *added = m_tree.insert(parent, row, std::move(copy));
    m_listener->endInsertEntry();
    return added;
}

bool TreeEditor::moveBefore(ProjectEntry *source, ProjectEntry *target)
{
    if (source->isAncestorOf(target))
        return false;
    ProjectEntry *formerParent = source->parent();
    moveTo(source, target->parent(), target->row());
    becomeLeafIfEmpty(formerParent);
    return true;
}

QString NewEntryCommandLine()
{
    const QString projectFile = AppContext::projectFileName();
    if (projectFile.isEmpty())
        return AppContext::programDirectory();
    return QFileInfo(projectFile).absolutePath() + QLatin1Char('/');
}
