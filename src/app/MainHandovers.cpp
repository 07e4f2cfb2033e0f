#include "app/MainHandovers.h"

#include "app/TMainForm.h"
#include "archive/rar/UnrarDialog.h"
#include "archive/zip/TUnzipForm.h"
#include "common/editor/TEditorForm.h"
#include "filemanager/FileManagerWindow.h"
#include "filemanager/ops/FileOpsDialogs.h"

MainHandovers::MainHandovers(const TMainForm &form)
    : m_form(form)
{
    m_previousHandover = SetActionHandover(this);
    m_previousActions = SetFileManagerActions(this);
}

MainHandovers::~MainHandovers()
{
    DestroyFileManager();
    SetFileManagerActions(m_previousActions);
    SetActionHandover(m_previousHandover);
}

void MainHandovers::openFileManager(QWidget *owner, const QString &startCommandLine)
{
    ShowFileManager(owner, startCommandLine, m_form.settings());
}

void MainHandovers::openRarExtraction(QWidget *owner, const QString &archiveName)
{
    ShowUnrarDialog(owner, archiveName);
}

void MainHandovers::openZipExtraction(QWidget *owner, const QString &archiveName)
{
    ShowUnzipDialog(owner, archiveName);
}

bool MainHandovers::copy(QWidget *owner, const FileManagerSelection &selection)
{
    return RunCopyMoveDialog(owner, selection.folder, selection.names, true);
}

bool MainHandovers::move(QWidget *owner, const FileManagerSelection &selection)
{
    return RunCopyMoveDialog(owner, selection.folder, selection.names, false);
}

bool MainHandovers::remove(QWidget *owner, const FileManagerSelection &selection)
{
    return RunDeleteDialog(owner, selection.folder, selection.names);
}

bool MainHandovers::makeFolder(QWidget *owner, const QString &folder)
{
    return RunMakeFolderDialog(owner, folder);
}

bool MainHandovers::properties(QWidget *owner, const FileManagerSelection &selection)
{
    return RunPropertiesDialog(owner, selection.folder, selection.names);
}

bool MainHandovers::selectGroup(QWidget *owner, const FileManagerSelection &, GroupSelection &choice)
{
    return RunSelectGroupDialog(owner, choice.pattern, choice.excludeFolders);
}

void MainHandovers::editFile(QWidget *owner, const QString &fileName)
{
    ShowEditor(owner, fileName);
}
