#include "app/MainItemEditHost.h"

#include "app/TMainForm.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"

#include <QLineEdit>
#include <QPlainTextEdit>

Project &MainItemEditHost::project()
{
    return *m_form.project();
}

ProjectEntry *MainItemEditHost::selectedEntry()
{
    return m_form.currentEntry();
}

QStringList MainItemEditHost::commentFieldLines()
{
    return m_form.commentLines();
}

QString MainItemEditHost::commandFieldText()
{
    return m_form.commandField()->text();
}

void MainItemEditHost::entryDisplayChanged(ProjectEntry *entry)
{
    m_form.treeView()->projectModel()->entryChanged(entry);
}

void MainItemEditHost::setImagesShown(bool shown)
{
    m_form.project()->useImages = shown;
    m_form.treeView()->projectModel()->imagesChanged();
}

void MainItemEditHost::imagesEdited()
{
    m_form.treeView()->projectModel()->imagesChanged();
    m_form.markModified();
}

void MainItemEditHost::markModified()
{
    m_form.markModified();
}

// What the dialog stored wins over what the fields of the window still hold.
void MainItemEditHost::showStoredEntry(bool commentReplaced)
{
    m_form.commandField()->setModified(false);
    if (commentReplaced)
        m_form.commentField()->document()->setModified(false);
    m_form.Tree_OnChange(m_form.currentEntry());
}
