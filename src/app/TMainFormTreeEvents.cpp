// Mouse, key and drag events of the tree: the context menu, Enter, and
// dragging an entry onto another to copy or move it there.

#include "app/TMainForm.h"
#include "project/ProjectEntry.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"

#include <QAction>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace {

// Hands the tree's events to the main window's handlers.
class TreeEventFilter : public QObject {
public:
    TreeEventFilter(TMainForm &form, ProjectTreeView *tree)
        : QObject(tree)
        , m_form(form)
        , m_tree(tree)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto *mouse = static_cast<QMouseEvent *>(event);
            m_form.Tree_OnMouseDown(mouse->button(), mouse->position().toPoint());
            return false;
        }
        case QEvent::KeyPress:
            return watched == m_tree && m_form.Tree_OnKeyDown(static_cast<QKeyEvent *>(event)->key());
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (drag->source() != m_tree)
                return false;
            m_form.Tree_OnDragOver(drag->position().toPoint());
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            if (drop->source() != m_tree)
                return false;
            drop->acceptProposedAction();
            const QPoint at = drop->position().toPoint();
            // The drop menu opens once the drag has ended.
            QTimer::singleShot(0, &m_form, [this, at] { m_form.Tree_OnDragDrop(at); });
            return true;
        }
        default:
            return false;
        }
    }

private:
    TMainForm &m_form;
    ProjectTreeView *m_tree;
};

} // namespace

void TMainForm::connectTreeEvents()
{
    m_tree->setEditTriggers(QAbstractItemView::SelectedClicked);
    m_tree->setDragEnabled(true);
    m_tree->setDragDropMode(QAbstractItemView::DragDrop);
    m_tree->setDefaultDropAction(Qt::CopyAction);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &TMainForm::Tree_OnContextMenu);
    auto *filter = new TreeEventFilter(*this, m_tree);
    m_tree->installEventFilter(filter);
    m_tree->viewport()->installEventFilter(filter);
}

ProjectEntry *TMainForm::entryAt(const QPoint &viewportPosition) const
{
    return m_tree->projectModel()->entry(m_tree->indexAt(viewportPosition));
}

void TMainForm::Tree_OnMouseDown(Qt::MouseButton, const QPoint &position)
{
    m_dragSource = entryAt(position);
    if (m_dragSource && m_dragSource != m_currentEntry)
        m_tree->selectEntry(m_dragSource);
}

// Right click on an entry: the context menu with what suits that entry.
void TMainForm::Tree_OnContextMenu(const QPoint &position)
{
    ProjectEntry *entry = entryAt(position);
    if (!entry)
        return;
    if (entry != m_currentEntry)
        m_tree->selectEntry(entry);
    m_treePopupMenu1->findChild<QAction *>(QStringLiteral("TreePopupMenu_BefehlAusfuehren"))
        ->setEnabled(entry->record.action != ActionNone);
    const bool previous = entry->previousSibling();
    const bool next = entry->nextSibling();
    m_actions.moveUp->setEnabled(previous);
    m_actions.moveToStart->setEnabled(previous);
    m_actions.moveDown->setEnabled(next);
    m_actions.moveToEnd->setEnabled(next);
    m_actions.removeChildren->setEnabled(entry->hasChildren());
    m_treePopupMenu1->popup(m_tree->viewport()->mapToGlobal(position));
}

// Enter runs the selected entry's action. While a title is edited in place
// the keys go to the editor, not to the tree.
bool TMainForm::Tree_OnKeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    TreePopupMenu_BefehlAusfuehren_OnClick();
    return true;
}

// The entry under the mouse is selected, so that the selection shows where
// the drop goes.
void TMainForm::Tree_OnDragOver(const QPoint &position)
{
    ProjectEntry *target = entryAt(position);
    if (target && target != m_currentEntry)
        m_tree->selectEntry(target);
}

void TMainForm::Tree_OnDragDrop(const QPoint &position)
{
    if (m_currentEntry && m_dragSource && m_currentEntry != m_dragSource)
        m_treePopupMenu2->popup(m_tree->viewport()->mapToGlobal(position));
}
