#include "app/ExportCommands.h"

#include "app/TMainForm.h"
#include "common/BusyCursor.h"
#include "common/editor/TEditorForm.h"
#include "export/TExportTextdateiForm.h"
#include "export/print/PrintExportEntry.h"
#include "export/print/PrintTextLines.h"
#include "project/Project.h"
#include "stats/StatisticsEntry.h"

#include <QAction>
#include <QLineEdit>

ExportCommands::ExportCommands(TMainForm &form)
    : QObject(&form)
    , m_form(form)
{
    const MainActions &actions = form.actions();
    connect(actions.editFile, &QAction::triggered, this, &ExportCommands::MainMenu_Projektdatei_Editieren_OnClick);
    connect(actions.statistics, &QAction::triggered, this, &ExportCommands::MainMenu_Projektdatei_Statistik_OnClick);
    connect(actions.exportPrint, &QAction::triggered, this,
            &ExportCommands::MainMenu_Projektdatei_Export_Drucken_OnClick);
    connect(actions.exportText, &QAction::triggered, this,
            &ExportCommands::MainMenu_Projektdatei_Export_Textdatei_OnClick);
}

void ExportCommands::MainMenu_Projektdatei_Editieren_OnClick()
{
    m_form.writeBackFields();
    const Project *project = m_form.project();
    ShowEditor(&m_form, project ? project->fileName : QString());
}

void ExportCommands::MainMenu_Projektdatei_Statistik_OnClick()
{
    const Project *project = m_form.project();
    if (!project)
        return;
    m_form.writeBackFields();
    BusyCursor busy;
    ShowStatistics(&m_form, *project, m_form.currentEntry(), project->fileName, m_form.commentLines(),
                   m_form.commandField()->text());
}

void ExportCommands::MainMenu_Projektdatei_Export_Drucken_OnClick()
{
    const Project *project = m_form.project();
    if (!project)
        return;
    m_form.writeBackFields();
    BusyCursor busy;
    ShowPrintExport(&m_form, *project, m_form.settings(), MakePrintTextSource(*project, m_form.settings()));
}

void ExportCommands::MainMenu_Projektdatei_Export_Textdatei_OnClick()
{
    const Project *project = m_form.project();
    if (!project)
        return;
    m_form.writeBackFields();
    BusyCursor busy;
    ShowTextExport(&m_form, *project, m_form.settings());
}
