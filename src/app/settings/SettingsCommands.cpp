#include "app/settings/SettingsCommands.h"

#include "app/ProjectToolCommands.h"
#include "app/TMainForm.h"
#include "app/settings/TEinstellungenForm.h"
#include "common/ModalSeam.h"
#include "components/DockingToolbar.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"

#include <QAction>
#include <QPlainTextEdit>

SettingsCommands::SettingsCommands(TMainForm &form, const QString &settingsFile)
    : QObject(&form)
    , m_form(form)
    , m_settingsFile(settingsFile)
{
    connect(form.actions().settings, &QAction::triggered, this,
            &SettingsCommands::MainMenu_Optionen_EinstellungenKonfigurieren_OnClick);
}

void SettingsCommands::MainMenu_Optionen_EinstellungenKonfigurieren_OnClick()
{
    m_form.writeBackFields();
    TEinstellungenForm dialog(*this, &m_form);
    RunModal(&dialog);
}

Settings SettingsCommands::currentSettings() const
{
    Settings settings = m_form.settings();
    const ProjectTreeView *tree = m_form.treeView();
    settings.singleExpand = tree->singleExpand();
    settings.autoScroll = tree->hasAutoScroll();
    return settings;
}

void SettingsCommands::settingsSaved(const Settings &saved, const QString &fileName)
{
    m_settingsFile = fileName;
    m_form.setSettings(saved);
    m_form.treeView()->setSingleExpand(saved.singleExpand);
    m_form.treeView()->setAutoScroll(saved.autoScroll);
    m_form.setToolItems(saved.tools);
}

int SettingsCommands::commentFieldHeight() const
{
    return m_form.commentField()->height();
}

ToolbarState SettingsCommands::toolbarState(int toolbar) const
{
    const DockingToolbar *bar = m_form.toolbar(toolbar);
    const QWidget *floating = bar->floatingWindow();
    const QPoint at = floating ? floating->pos() : bar->pos();
    return {!bar->isShown(), {bar->defaultDock(), bar->dockedTo(), at.x(), at.y()}};
}

bool SettingsCommands::hasOpenProject() const
{
    return m_form.hasOpenProject();
}

QString SettingsCommands::projectTitle() const
{
    return m_form.project()->name;
}

bool SettingsCommands::autoExpand() const
{
    return m_form.project()->expandItems;
}

bool SettingsCommands::imagesShown() const
{
    return m_form.project()->useImages;
}

void SettingsCommands::setProjectTitle(const QString &title)
{
    m_form.project()->name = title;
    m_form.updateTitle();
    m_form.markModified();
}

void SettingsCommands::setAutoExpand(bool on)
{
    m_form.project()->expandItems = on;
    m_form.markModified();
}

void SettingsCommands::setImagesShown(bool shown)
{
    m_form.project()->useImages = shown;
    m_form.treeView()->projectModel()->imagesChanged();
    m_form.markModified();
}

void SettingsCommands::editImageList(QWidget *owner)
{
    EditProjectImages(m_form, owner);
}
