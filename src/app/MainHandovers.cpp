#include "app/MainHandovers.h"

#include "app/TMainForm.h"
#include "archive/rar/UnrarDialog.h"
#include "archive/zip/TUnzipForm.h"
#include "filemanager/TDateimanagerForm.h"

MainHandovers::MainHandovers(const TMainForm &form)
    : m_form(form)
{
}

MainHandovers::~MainHandovers()
{
    delete m_fileManager.data();
}

void MainHandovers::openFileManager(QWidget *owner, const QString &startCommandLine)
{
    if (!m_fileManager)
        m_fileManager = new TDateimanagerForm(m_form.settings(), {ShowUnrarDialog, ShowUnzipDialog}, owner);
    m_fileManager->run(startCommandLine);
}

void MainHandovers::openRarExtraction(QWidget *owner, const QString &archiveName)
{
    ShowUnrarDialog(owner, archiveName);
}

void MainHandovers::openZipExtraction(QWidget *owner, const QString &archiveName)
{
    ShowUnzipDialog(owner, archiveName);
}

void MainHandovers::setFileManagerTools(const QList<ToolItem> &tools)
{
    if (m_fileManager)
        m_fileManager->setTools(tools);
}
