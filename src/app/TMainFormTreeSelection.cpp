#include "app/MainStatusBar.h"
#include "app/TMainForm.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"
#include "tree/TreeEditQuestions.h"

#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>

void TMainForm::Tree_OnChange(ProjectEntry *entry)
{
    KommentarEdit_OnExit();
    writeBackCommandField();
    m_currentEntry = entry;
    frameActionButton(entry ? int(entry->record.action) : int(ActionNone));
    if (entry) {
        m_commandEdit->setText(entry->record.command);
        m_commentEdit->setPlainText(entry->record.comment.join(QLatin1Char('\n')));
        showSelectionHint(entry);
        for (const int code : {7, 60, 70, 71})
            SetCommandState(code);
    } else {
        m_treePanel->setStatusTip(QStringLiteral("Kein Eintrag markiert."));
        m_commandEdit->clear();
        m_commandEdit->setToolTip(QStringLiteral("Befehlszeile"));
        m_commentEdit->clear();
        m_commentPanel->setStatusTip(QStringLiteral("Kommentartext"));
        SetCommandState(8);
    }
    m_commentEdit->document()->setModified(false);
    m_commandEdit->setModified(false);
    SetCommandState(m_project->tree.isEmpty() ? 6 : 5);
}

// The tree panel's hint tells where the entry stands; the percentage panel
// how far down the tree that is.
void TMainForm::showSelectionHint(ProjectEntry *entry)
{
    const QString hint = SelectionHint(m_project->tree, entry);
    m_treePanel->setStatusTip(hint);
    if (m_treePanel->underMouse())
        m_statusBar->setPanelText(MainStatusBar::HintPanel, hint);
    m_statusBar->setPanelText(MainStatusBar::PercentPanel, SelectionPercent(m_project->tree, entry));
}

void TMainForm::MainMenu_Bearbeiten_AlleVerzweigungenOeffnen_OnClick()
{
    m_tree->expandAll();
    ProjectEntry *shown = m_tree->selectedEntry();
    if (!shown && !m_project->tree.isEmpty())
        shown = m_project->tree.root()->child(0);
    if (shown)
        m_tree->scrollTo(m_tree->projectModel()->indexOf(shown));
}

void TMainForm::MainMenu_Bearbeiten_AlleVerzweigungenSchliessen_OnClick()
{
    m_tree->collapseAll();
}
