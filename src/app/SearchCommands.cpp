#include "app/SearchCommands.h"

#include "app/MainStatusBar.h"
#include "app/TMainForm.h"
#include "common/BusyCursor.h"
#include "common/ModalSeam.h"
#include "components/AnimatedIcon.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"
#include "tree/TGeheZuForm.h"
#include "tree/TSortierenForm.h"
#include "tree/TSuchenForm.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>

SearchCommands::SearchCommands(TMainForm &form)
    : QObject(&form)
    , m_form(form)
{
    const MainActions &actions = form.actions();
    connect(actions.search, &QAction::triggered, this, &SearchCommands::MainMenu_Suchen_Suchen_OnClick);
    connect(actions.searchAgain, &QAction::triggered, this, &SearchCommands::MainMenu_Suchen_Weitersuchen_OnClick);
    connect(actions.goTo, &QAction::triggered, this, &SearchCommands::MainMenu_Suchen_GeheZu_OnClick);
    connect(actions.sort, &QAction::triggered, this, &SearchCommands::MainMenu_Bearbeiten_Sortieren_OnClick);
}

void SearchCommands::MainMenu_Suchen_Suchen_OnClick()
{
    TSuchenForm dialog(m_state, &m_form);
    if (RunModal(&dialog) == QDialog::Accepted)
        runSearch(false);
}

void SearchCommands::MainMenu_Suchen_Weitersuchen_OnClick()
{
    if (m_state.settings.term.isEmpty())
        MainMenu_Suchen_Suchen_OnClick();
    else
        runSearch(true);
}

void SearchCommands::runSearch(bool continueSearch)
{
    Project *project = m_form.project();
    if (!project)
        return;
    MainStatusBar *status = m_form.statusLine();
    status->setSimpleText(QStringLiteral("Suche nach: ") + m_state.settings.term);
    status->animatedIcon()->hide();
    SearchResult result;
    {
        BusyCursor busy;
        result = FindInTree(project->tree, m_form.currentEntry(), m_state.settings, continueSearch);
        if (result.selection)
            m_form.treeView()->selectEntry(result.selection);
    }
    if (result.outcome == SearchResult::Found) {
        focusField(result.field);
        m_form.SetCommandState(72);
    } else if (result.outcome == SearchResult::NotFound) {
        m_form.SetCommandState(73);
    }
    ShowSearchOutcome(result);
    status->leaveSimpleMode();
    status->animatedIcon()->show();
}

void SearchCommands::focusField(SearchField field)
{
    switch (field) {
    case SearchField::Comment:
        m_form.commentField()->setFocus();
        break;
    case SearchField::Command:
        m_form.commandField()->setFocus();
        break;
    case SearchField::Title:
    case SearchField::None:
        m_form.treeView()->setFocus();
        break;
    }
}

void SearchCommands::MainMenu_Suchen_GeheZu_OnClick()
{
    Project *project = m_form.project();
    if (!project)
        return;
    const ProjectTree &tree = project->tree;
    const ProjectEntry *current = m_form.currentEntry();
    TGeheZuForm dialog(tree.count(), current ? tree.absoluteIndex(current) + 1 : 0, &m_form);
    if (RunModal(&dialog) != QDialog::Accepted || dialog.position() == 0)
        return;
    m_form.treeView()->selectEntry(tree.entryAt(dialog.position() - 1));
    m_form.treeView()->setFocus();
}

void SearchCommands::MainMenu_Bearbeiten_Sortieren_OnClick()
{
    Project *project = m_form.project();
    if (!project)
        return;
    TSortierenForm dialog(project->tree, m_form.currentEntry(), &m_form);
    ProjectTreeModel *model = m_form.treeView()->projectModel();
    dialog.setSortWrapper([model](const std::function<void()> &sort) { model->reorderEntries(sort); });
    if (RunModal(&dialog) == QDialog::Accepted)
        m_form.markModified();
}
