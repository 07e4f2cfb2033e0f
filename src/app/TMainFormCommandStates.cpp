#include "app/MainStatusBar.h"
#include "app/TMainForm.h"
#include "project/ProjectEntry.h"
#include "tree/ProjectTreeView.h"

#include <QAction>
#include <QMenu>

#include <initializer_list>

namespace {

void enableAll(std::initializer_list<QAction *> actions, bool enabled)
{
    for (QAction *action : actions)
        action->setEnabled(enabled);
}

} // namespace

void TMainForm::SetCommandState(int code)
{
    MainActions &a = m_actions;
    QAction *const panelSwitches[] = {a.viewSwitches[MainActions::CommentPanel],
                                      a.viewSwitches[MainActions::CommandPanel],
                                      a.viewSwitches[MainActions::StatusLine]};
    switch (code) {
    case 0:
        a.helpTopics->setEnabled(true);
        break;
    case 1:
        enableAll({a.saveAs, a.close, a.statistics, a.importMenu->menuAction(), a.exportMenu->menuAction(),
                   a.exportPrint, a.exportText, a.expandAll, a.collapseAll, a.editImages, a.addEntry, a.catalogue,
                   a.moveMenu->menuAction(), a.search, a.goTo},
                  true);
        for (QAction *action : panelSwitches)
            action->setEnabled(true);
        m_tree->show();
        updatePanelVisibility();
        m_statusBar->setPanelText(MainStatusBar::PercentPanel, QStringLiteral("0%"));
        break;
    case 2:
        enableAll({a.save,
                   a.saveAs,
                   a.close,
                   a.editFile,
                   a.statistics,
                   a.importMenu->menuAction(),
                   a.exportMenu->menuAction(),
                   a.exportPrint,
                   a.exportText,
                   a.expandAll,
                   a.collapseAll,
                   a.editImages,
                   a.editEntry,
                   a.addEntry,
                   a.addChild,
                   a.catalogue,
                   a.moveMenu->menuAction(),
                   a.moveUp,
                   a.moveDown,
                   a.moveToStart,
                   a.moveToEnd,
                   a.removeEntry,
                   a.removeChildren,
                   a.removeAll,
                   a.sort,
                   a.search,
                   a.searchAgain,
                   a.goTo},
                  false);
        for (QAction *action : panelSwitches)
            action->setEnabled(false);
        m_tree->hide();
        updatePanelVisibility();
        m_statusBar->setPanelText(MainStatusBar::PercentPanel, QStringLiteral("0%"));
        break;
    case 3:
    case 4:
        a.editFile->setEnabled(code == 3);
        break;
    case 5:
    case 6:
        enableAll({a.removeAll, a.sort}, code == 5);
        break;
    case 7:
        enableAll({a.editEntry, a.addChild, a.moveMenu->menuAction(), a.removeEntry}, true);
        break;
    case 8:
        enableAll({a.editEntry, a.addChild, a.moveMenu->menuAction(), a.moveUp, a.moveDown, a.moveToStart, a.moveToEnd,
                   a.removeEntry, a.removeChildren},
                  false);
        break;
    case 60:
        a.removeChildren->setEnabled(m_currentEntry && m_currentEntry->hasChildren());
        break;
    case 70:
        enableAll({a.moveUp, a.moveToStart}, m_currentEntry && m_currentEntry->previousSibling());
        break;
    case 71:
        enableAll({a.moveDown, a.moveToEnd}, m_currentEntry && m_currentEntry->nextSibling());
        break;
    case 72:
    case 73:
        a.searchAgain->setEnabled(code == 72);
        break;
    case 90:
    case 91:
        a.save->setEnabled(code == 90);
        break;
    default:
        break;
    }
}

bool TMainForm::isModified() const
{
    return m_actions.save->isEnabled();
}

void TMainForm::markModified()
{
    SetCommandState(90);
}

bool TMainForm::hasOpenProject() const
{
    return m_actions.close->isEnabled();
}
