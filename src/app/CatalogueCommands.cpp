#include "app/CatalogueCommands.h"

#include "app/TMainForm.h"
#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "common/MsgBox.h"
#include "project/Project.h"
#include "project/ProjectFile.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"
#include "tree/scan/CatalogueEntries.h"
#include "tree/scan/CatalogueIcons.h"
#include "tree/scan/TOrdnerEinlesenForm.h"

#include <QAction>

namespace {

void showIconsNotStored(int count, const QString &folder)
{
    ShowMsgBox(QStringLiteral("Warnung: Symbole nicht gespeichert..."),
               QStringLiteral("%1 Symbol(e) konnte(n) nicht im Ordner\r\"%2\"\rgespeichert werden. Die Einträge "
                              "erhalten die Standardbilder.")
                   .arg(count)
                   .arg(folder),
               MsgBox::Warning, MsgBox::ExclamationBeep, MsgBox::Ok | MsgBox::Help, 80620);
}

} // namespace

CatalogueCommands::CatalogueCommands(TMainForm &form)
    : QObject(&form)
    , m_form(form)
{
    connect(form.actions().catalogue, &QAction::triggered, this,
            &CatalogueCommands::MainMenu_Bearbeiten_OrdnerEinlesen_OnClick);
}

void CatalogueCommands::MainMenu_Bearbeiten_OrdnerEinlesen_OnClick()
{
    Project *project = m_form.project();
    if (!project || !m_form.hasOpenProject())
        return;
    m_form.writeBackFields();
    const QString drive = AppContext::projectDrive();
    const QString folder = FileChooser::folder(&m_form, QStringLiteral("Ordner einlesen"), drive);
    if (folder.isEmpty())
        return;

    // Pictures are kept beside the project file; without one there is no
    // place for them.
    const QString iconFolder = project->fileName.isEmpty() ? QString() : CatalogueIcons::folderFor(project->fileName);
    CatalogueOptions options;
    options.drive = drive;
    options.withIcons = !iconFolder.isEmpty();
    if (!iconFolder.isEmpty())
        options.leftOut = {project->fileName, BackupFileName(project->fileName, m_form.settings().backupExtension),
                           iconFolder};
    {
        BusyCursor busy;
        options.existingCommands = ExpandedCommandLines(project->tree, drive);
    }
    TOrdnerEinlesenForm dialog(folder, options, &m_form);
    if (RunModal(&dialog) != QDialog::Accepted)
        return;

    ProjectEntry *parent = m_form.currentEntry();
    ProjectTreeView *view = m_form.treeView();
    CatalogueIcons icons(*project, iconFolder);
    ProjectEntry *first = nullptr;
    {
        BusyCursor busy;
        ProjectTree staging;
        const int images = project->images.count();
        AppendCatalogueEntries(*dialog.scan().root, staging, nullptr,
                               [&icons](const QString &file) { return icons.imageFor(file); });
        if (project->images.count() != images)
            view->projectModel()->imagesChanged();
        first = MoveCatalogueEntries(staging, project->tree, parent, *view->projectModel());
    }
    if (!first)
        return;
    m_form.markModified();
    view->selectEntry(first);
    m_form.Tree_OnChange(view->selectedEntry());
    view->setFocus();
    if (!icons.failed().isEmpty())
        showIconsNotStored(int(icons.failed().size()), iconFolder);
}
