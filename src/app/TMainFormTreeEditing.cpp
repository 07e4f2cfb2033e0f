// The main window's commands that change the tree: add, edit, remove, move,
// drag to copy or move, and renaming in place.

#include "app/MainItemEditHost.h"
#include "app/TMainForm.h"
#include "common/DialogParts.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"
#include "tree/TItemEditForm.h"
#include "tree/TreeEditQuestions.h"
#include "tree/TreeEditing.h"

#include <QAction>
#include <QMenu>

void TMainForm::connectTreeEditing()
{
    MainActions &a = m_actions;
    connect(a.editEntry, &QAction::triggered, this, &TMainForm::MainMenu_Bearbeiten_EintragBearbeiten_OnClick);
    connect(a.addEntry, &QAction::triggered, this, &TMainForm::MainMenu_Bearbeiten_EintragHinzufuegen_OnClick);
    connect(a.addChild, &QAction::triggered, this, &TMainForm::MainMenu_Bearbeiten_UntereintragHinzufuegen_OnClick);
    connect(a.moveUp, &QAction::triggered, this, &TMainForm::MainMenu_Bearbeiten_EintragVerschiebenNach_Oben_OnClick);
    connect(a.moveDown, &QAction::triggered, this,
            &TMainForm::MainMenu_Bearbeiten_EintragVerschiebenNach_Unten_OnClick);
    connect(a.moveToStart, &QAction::triggered, this,
            &TMainForm::MainMenu_Bearbeiten_EintragVerschiebenNach_Anfang_OnClick);
    connect(a.moveToEnd, &QAction::triggered, this,
            &TMainForm::MainMenu_Bearbeiten_EintragVerschiebenNach_Ende_OnClick);
    connect(a.removeEntry, &QAction::triggered, this, &TMainForm::MainMenu_Bearbeiten_EintragEntfernen_OnClick);
    connect(a.removeChildren, &QAction::triggered, this,
            &TMainForm::MainMenu_Bearbeiten_UntereintraegeEntfernen_OnClick);
    connect(a.removeAll, &QAction::triggered, this, &TMainForm::MainMenu_Bearbeiten_AlleEintraegeEntfernen_OnClick);
    connect(m_tree->projectModel(), &ProjectTreeModel::titleEdited, this, &TMainForm::Tree_OnEdited);
    createTreePopupMenus();
}

void TMainForm::createTreePopupMenus()
{
    m_treePopupMenu1 = new QMenu(this);
    m_treePopupMenu1->setObjectName(QStringLiteral("TreePopupMenu1"));
    QMenu *menu = m_treePopupMenu1;
    connect(named(menu->addAction(QStringLiteral("Befehl &ausführen")), "TreePopupMenu_BefehlAusfuehren"),
            &QAction::triggered, this, &TMainForm::TreePopupMenu_BefehlAusfuehren_OnClick);
    menu->addSeparator();
    menu->addAction(m_actions.editEntry);
    menu->addSeparator();
    menu->addAction(m_actions.addEntry);
    menu->addAction(m_actions.addChild);
    menu->addAction(m_actions.catalogue);
    QMenu *move = menu->addMenu(QStringLiteral("Eintrag &verschieben nach..."));
    move->setObjectName(QStringLiteral("TreePopupMenu1_Verschieben"));
    move->addAction(m_actions.moveUp);
    move->addAction(m_actions.moveDown);
    move->addSeparator();
    move->addAction(m_actions.moveToStart);
    move->addAction(m_actions.moveToEnd);
    menu->addAction(m_actions.removeEntry);
    menu->addAction(m_actions.removeChildren);

    m_treePopupMenu2 = new QMenu(this);
    m_treePopupMenu2->setObjectName(QStringLiteral("TreePopupMenu2"));
    QMenu *drop = m_treePopupMenu2;
    named(drop->addAction(QStringLiteral("&Abbrechen")), "TreePopupMenu2_Abbrechen");
    drop->addSeparator();
    connect(named(drop->addAction(QStringLiteral("Hierher &kopieren")), "TreePopupMenu2_HierherKopieren"),
            &QAction::triggered, this, &TMainForm::TreePopupMenu2_HierherKopieren_OnClick);
    connect(named(drop->addAction(QStringLiteral("Hierher &verschieben")), "TreePopupMenu2_HierherVerschieben"),
            &QAction::triggered, this, &TMainForm::TreePopupMenu2_HierherVerschieben_OnClick);
}

TreeEditor TMainForm::treeEditor()
{
    return TreeEditor(m_project->tree, m_tree->projectModel());
}

TItemEditForm *TMainForm::itemEditForm()
{
    if (!m_itemEditForm) {
        m_itemEditForm = new TItemEditForm(this);
        m_itemEditHost = std::make_unique<MainItemEditHost>(*this);
    }
    return m_itemEditForm;
}

// Selects entry and shows it, also when the selection stayed where it was
// while the tree around it changed.
void TMainForm::showEntry(ProjectEntry *entry)
{
    m_tree->selectEntry(entry);
    Tree_OnChange(m_tree->selectedEntry());
}

void TMainForm::MainMenu_Bearbeiten_EintragBearbeiten_OnClick()
{
    if (m_currentEntry)
        itemEditForm()->edit(*m_itemEditHost);
}

void TMainForm::MainMenu_Bearbeiten_EintragHinzufuegen_OnClick()
{
    if (!hasOpenProject())
        return;
    ProjectEntry *selected = m_currentEntry;
    editNewEntry(treeEditor().addEntry(selected, NewEntryCommandLine()), selected);
}

void TMainForm::MainMenu_Bearbeiten_UntereintragHinzufuegen_OnClick()
{
    ProjectEntry *parent = m_currentEntry;
    if (!parent)
        return;
    ProjectEntry *added = treeEditor().addChild(parent, NewEntryCommandLine());
    m_tree->setFocus();
    editNewEntry(added, parent);
}

// The new entry stays only when its dialog is confirmed.
void TMainForm::editNewEntry(ProjectEntry *added, ProjectEntry *previous)
{
    showEntry(added);
    itemEditForm()->setCommentEnlarged(false);
    if (m_itemEditForm->edit(*m_itemEditHost) == QDialog::Accepted) {
        markModified();
    } else {
        m_dragSource = nullptr;
        treeEditor().undoAdd(added);
        showEntry(previous);
    }
    m_tree->setFocus();
}

void TMainForm::MainMenu_Bearbeiten_EintragEntfernen_OnClick()
{
    ProjectEntry *entry = m_currentEntry;
    if (!entry || !AskRemoveEntry(m_project->tree, entry))
        return;
    m_dragSource = nullptr;
    treeEditor().remove(entry);
    markModified();
    showEntry(m_tree->selectedEntry());
}

void TMainForm::MainMenu_Bearbeiten_UntereintraegeEntfernen_OnClick()
{
    ProjectEntry *entry = m_currentEntry;
    if (!entry || !entry->hasChildren() || !AskRemoveChildren(m_project->tree, entry))
        return;
    m_dragSource = nullptr;
    treeEditor().removeChildren(entry);
    SetCommandState(60);
    markModified();
    showEntry(entry);
    m_tree->setFocus();
}

void TMainForm::MainMenu_Bearbeiten_AlleEintraegeEntfernen_OnClick()
{
    if (!hasOpenProject() || m_project->tree.isEmpty() || !AskRemoveAll())
        return;
    // Nothing may stay selected below an entry that goes.
    m_tree->selectEntry(nullptr);
    m_dragSource = nullptr;
    treeEditor().removeAll();
    Tree_OnChange(nullptr);
    markModified();
}

void TMainForm::moveCurrentEntry(bool (TreeEditor::*move)(ProjectEntry *))
{
    ProjectEntry *entry = m_currentEntry;
    TreeEditor editor = treeEditor();
    if (!entry || !(editor.*move)(entry))
        return;
    showEntry(entry);
    SetCommandState(70);
    SetCommandState(71);
    markModified();
    m_tree->setFocus();
}

void TMainForm::MainMenu_Bearbeiten_EintragVerschiebenNach_Oben_OnClick()
{
    moveCurrentEntry(&TreeEditor::moveUp);
}

void TMainForm::MainMenu_Bearbeiten_EintragVerschiebenNach_Unten_OnClick()
{
    moveCurrentEntry(&TreeEditor::moveDown);
}

void TMainForm::MainMenu_Bearbeiten_EintragVerschiebenNach_Anfang_OnClick()
{
    moveCurrentEntry(&TreeEditor::moveToStart);
}

void TMainForm::MainMenu_Bearbeiten_EintragVerschiebenNach_Ende_OnClick()
{
    moveCurrentEntry(&TreeEditor::moveToEnd);
}

void TMainForm::TreePopupMenu2_HierherKopieren_OnClick()
{
    ProjectEntry *target = m_currentEntry;
    if (!target || !m_dragSource)
        return;
    showEntry(treeEditor().copyBefore(m_dragSource, target));
    markModified();
}

void TMainForm::TreePopupMenu2_HierherVerschieben_OnClick()
{
    ProjectEntry *target = m_currentEntry;
    if (!target || !m_dragSource)
        return;
    if (!treeEditor().moveBefore(m_dragSource, target)) {
        ShowMoveRefused();
        return;
    }
    showEntry(m_dragSource);
    markModified();
}

void TMainForm::Tree_OnEdited()
{
    markModified();
}
