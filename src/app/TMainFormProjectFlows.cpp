#include "app/MainStatusBar.h"
#include "app/TMainForm.h"
#include "common/AppContext.h"
#include "common/BusyCursor.h"
#include "common/FileChooser.h"
#include "common/MsgBox.h"
#include "common/OperationObserver.h"
#include "components/Gauge.h"
#include "project/ProjectFile.h"
#include "project/TMsgPrjSyntaxErrorForm.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include <exception>

namespace {

const QString kProjectFilter = QStringLiteral("Projektdateien [*.prj]|*.prj|Alle Dateien [*.*]|*.*");
constexpr int kMaxReopenItems = 10;

// Menu captions take "&" as a mnemonic mark; a file name shows it as it is.
QString menuCaption(QString fileName)
{
    return fileName.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void TMainForm::MainMenu_Projektdatei_Neu_OnClick()
{
    if (!closeProject())
        return;
    SetCommandState(1);
    SetCommandState(8);
}

void TMainForm::MainMenu_Projektdatei_Oeffnen_OnClick()
{
    const QString chosen = FileChooser::openFile(this, QStringLiteral("Projektdatei öffnen..."), chooserFolder(),
                                                 kProjectFilter, QFileInfo(m_project->fileName).fileName());
    if (!chosen.isEmpty())
        loadProject(QFileInfo(chosen).absoluteFilePath());
}

void TMainForm::MainMenu_Projektdatei_ErneutOeffnen_OnClick(QAction *item)
{
    loadProject(item->data().toString());
}

void TMainForm::MainMenu_Projektdatei_Speichern_OnClick()
{
    saveProject(m_project->fileName);
}

void TMainForm::MainMenu_Projektdatei_SpeichernUnter_OnClick()
{
    saveProjectAs();
}

void TMainForm::MainMenu_Projektdatei_Schliessen_OnClick()
{
    if (closeProject())
        SetCommandState(2);
}

void TMainForm::MainMenu_Projektdatei_Beenden_OnClick()
{
    close();
}

// The open project's folder, else the user's documents (or home) folder.
QString TMainForm::chooserFolder() const
{
    if (!m_project->fileName.isEmpty())
        return QFileInfo(m_project->fileName).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

bool TMainForm::loadProject(const QString &fileName)
{
    if (!CheckProjectFile(fileName))
        return false;
    // Any open project is closed first, also one without a file name, so
    // that its changes cannot be lost unasked.
    if (hasOpenProject() && !closeProject())
        return false;

    BusyCursor busy;
    LoadReport report;
    std::unique_ptr<Project> loaded = ReadProjectFile(fileName, report, ioObserver());
    if (!loaded) {
        endIo();
        if (hasOpenProject())
            SetCommandState(2);
        return false;
    }
    showProject(std::move(loaded));
    ShowSyntaxReport(report, this);
    m_statusBar->gauge()->setValue(100);
    endIo();
    for (const int code : {1, 3, 91})
        SetCommandState(code);
    updateTitle();
    if (m_project->expandItems)
        MainMenu_Bearbeiten_AlleVerzweigungenOeffnen_OnClick();
    // Selecting reports only a change; an empty tree is reported here.
    ProjectEntry *first = m_project->tree.isEmpty() ? nullptr : m_project->tree.root()->child(0);
    m_tree->selectEntry(first);
    if (!first)
        Tree_OnChange(nullptr);
    return true;
}

// An unnamed project is saved through "Speichern unter".
bool TMainForm::saveProject(const QString &fileName)
{
    writeBackFields();
    if (fileName.isEmpty())
        return saveProjectAs();
    BusyCursor busy;
    SaveOptions options;
    options.makeBackup = m_settings.makeBackup;
    options.backupExtension = m_settings.backupExtension;
    const bool saved = SaveProjectFile(*m_project, fileName, options, ioObserver());
    endIo();
    if (saved)
        SetCommandState(91);
    return saved;
}

// File names compare case-sensitively: another letter case is another file.
bool TMainForm::saveProjectAs()
{
    const QString chosen =
        FileChooser::saveFile(this, QStringLiteral("Projektdatei speichern unter..."), chooserFolder(), kProjectFilter,
                              QFileInfo(m_project->fileName).fileName(), true);
    if (chosen.isEmpty())
        return false;
    const QString fileName = QFileInfo(chosen).absoluteFilePath();
    if (!saveProject(fileName))
        return false;
    const QString oldName = m_project->fileName;
    if (!oldName.isEmpty() && oldName != fileName)
        addReopenItem(oldName);
    m_project->fileName = fileName;
    AppContext::setProjectFileName(fileName);
    updateTitle();
    SetCommandState(3);
    return true;
}

// Asked for a modified project with or without a file name.
bool TMainForm::askToSaveChanges()
{
    writeBackFields();
    if (!isModified())
        return true;
    QString name = QFileInfo(m_project->fileName).fileName();
    if (name.isEmpty())
        name = m_project->name.isEmpty() ? QStringLiteral("Unbenannt") : m_project->name;
    const int answer = ShowMsgBox(
        QStringLiteral("Änderungen speichern ?"),
        QStringLiteral("Die Projektdatei \"%1\" wurde modifiziert.\rSollen die Änderungen gespeichert werden ?")
            .arg(name),
        MsgBox::Question, MsgBox::QuestionBeep, MsgBox::Yes | MsgBox::No | MsgBox::Cancel | MsgBox::Help, 80060);
    if (answer == MsgBox::ResultYes)
        return saveProject(m_project->fileName);
    return answer == MsgBox::ResultNo;
}

bool TMainForm::closeProject()
{
    if (!askToSaveChanges())
        return false;
    const QString fileName = m_project->fileName;
    if (!fileName.isEmpty())
        addReopenItem(fileName);
    try {
        BusyCursor busy;
        clearProject();
    } catch (const std::exception &) {
        ShowMsgBox(QStringLiteral("Fehler: Projektdatei konnte nicht geschlossen werden..."),
                   QStringLiteral("Bei dem Versuch die Projektdatei\r\"%1\"\rzu schließen ist ein unbekannter Fehler "
                                  "aufgetreten.\rTeilweiser Projektdatenverlust möglich.")
                       .arg(fileName),
                   MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80070);
        return false;
    }
    return true;
}

void TMainForm::clearProject()
{
    showProject(std::make_unique<Project>());
    Tree_OnChange(nullptr);
    SetCommandState(4);
    updateTitle();
}

// The tree shows project before the previous one goes.
void TMainForm::showProject(std::unique_ptr<Project> project)
{
    m_currentEntry = nullptr;
    m_dragSource = nullptr;
    m_tree->projectModel()->setProject(project.get());
    m_project = std::move(project);
    AppContext::setProjectFileName(m_project->fileName);
}

void TMainForm::addReopenItem(const QString &fileName)
{
    QAction *item = m_actions.reopen->addAction(menuCaption(fileName));
    item->setData(fileName);
    m_actions.reopen->menuAction()->setEnabled(true);
    while (m_actions.reopen->actions().size() > kMaxReopenItems) {
        QAction *oldest = m_actions.reopen->actions().constFirst();
        m_actions.reopen->removeAction(oldest);
        delete oldest;
    }
}

QStringList TMainForm::reopenFileNames() const
{
    QStringList names;
    for (const QAction *item : m_actions.reopen->actions())
        names.append(item->data().toString());
    return names;
}

// Status text and gauge in the status line; pending events but user input
// run so the window keeps showing the progress and no command starts in the
// middle.
OperationObserver TMainForm::ioObserver()
{
    OperationObserver observer;
    observer.status = [this](const QString &text) {
        if (text.isEmpty()) {
            endIo();
            return;
        }
        m_statusBar->setSimpleText(text);
        m_statusBar->setGaugeVisible(true);
        RunPendingEventsExceptUserInput();
    };
    observer.progress = [this](int percent) { m_statusBar->gauge()->setValue(percent); };
    observer.runPendingEvents = RunPendingEventsExceptUserInput;
    return observer;
}

void TMainForm::endIo()
{
    m_statusBar->setGaugeVisible(false);
    m_statusBar->leaveSimpleMode();
}
