#include "app/ProjectToolCommands.h"

#include "app/TAutoOpenForm.h"
#include "app/TMainForm.h"
#include "platform/Volumes.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"
#include "tree/TImagesEditForm.h"

#include <QAction>

ProjectToolCommands::ProjectToolCommands(TMainForm &form)
    : QObject(&form)
    , m_form(form)
{
    const MainActions &actions = form.actions();
    connect(actions.autoOpen, &QAction::triggered, this,
            &ProjectToolCommands::MainMenu_Projektdatei_AutoOeffnen_OnClick);
    connect(actions.editImages, &QAction::triggered, this,
            &ProjectToolCommands::MainMenu_Bearbeiten_ImagelisteBearbeiten_OnClick);
}

void ProjectToolCommands::MainMenu_Projektdatei_AutoOeffnen_OnClick()
{
    const QString chosen = ChooseProjectFileOnDrives(Volumes::driveList(), &m_form);
    if (!chosen.isEmpty())
        m_form.loadProject(chosen);
}

void ProjectToolCommands::MainMenu_Bearbeiten_ImagelisteBearbeiten_OnClick()
{
    EditProjectImages(m_form, &m_form);
}

void EditProjectImages(TMainForm &form, QWidget *owner)
{
    Project *project = form.project();
    if (!project)
        return;
    ProjectTreeModel *model = form.treeView()->projectModel();
    const auto changed = [&form, model] {
        model->imagesChanged();
        form.markModified();
    };
    EditImageList(*project, owner, changed);
}
