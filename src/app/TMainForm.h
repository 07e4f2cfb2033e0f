#pragma once

#include "app/MainActions.h"
#include "app/StartConfig.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class DockingToolbar;
class MainHandovers;
class MainItemEditHost;
class QMenu;
class TItemEditForm;
class TreeEditor;
class MainStatusBar;
class ProjectEntry;
class ProjectTreeView;
class QFrame;
class QLineEdit;
class QPushButton;
class QSplitter;
class QPlainTextEdit;
class ToolbarDock;
struct Project;
struct OperationObserver;

// The main window: owns the open project and shows it as a tree with the
// comment and command fields; menus, dockable toolbars and the status line;
// the project's life from new or open to save and close.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(const StartConfig &config, QWidget *parent = nullptr);
    ~TMainForm() override;

    Project *project() const { return m_project.get(); }
    ProjectEntry *currentEntry() const { return m_currentEntry; }
    ProjectTreeView *treeView() const { return m_tree; }
    QLineEdit *commandField() const { return m_commandEdit; }
    QPlainTextEdit *commentField() const { return m_commentEdit; }
    MainStatusBar *statusLine() const { return m_statusBar; }
    const MainActions &actions() const { return m_actions; }
    const Settings &settings() const { return m_settings; }
    // Settings saved by the settings dialog; they take effect where they are
    // next used.
    void setSettings(const Settings &settings) { m_settings = settings; }
    DockingToolbar *toolbar(int index) const { return m_toolbars[index]; }

    // Enables and disables commands by code; the one place that does.
    void SetCommandState(int code);
    // The project differs from its file: the Save command is enabled.
    bool isModified() const;
    void markModified();
    // Both fields' typed text goes to the current entry; before every check
    // of the modified state.
    void writeBackFields();
    // A project is shown (after new or a load): the Close command is enabled.
    bool hasOpenProject() const;

    // Loads fileName; true on success, after which it is the project's name.
    bool loadProject(const QString &fileName);
    // Saves to fileName; an empty name asks for one as "Speichern unter".
    bool saveProject(const QString &fileName);
    // Asks to save a modified project, then clears it; false when the user
    // cancels or saving fails.
    bool closeProject();
    void addReopenItem(const QString &fileName);
    QStringList reopenFileNames() const;

    // The splash window that start-up shows until the first activation.
    void setSplash(QWidget *splash);
    // Runs once, when the window first becomes active: loads the start
    // project and puts the status line into its normal mode.
    void completeStartup();
    // Shows the window in the state the settings ask for.
    void showAsConfigured();

    // The selection moved to entry (nullptr: none).
    void Tree_OnChange(ProjectEntry *entry);

    void MainMenu_Projektdatei_Neu_OnClick();
    void MainMenu_Projektdatei_Oeffnen_OnClick();
    void MainMenu_Projektdatei_ErneutOeffnen_OnClick(QAction *item);
    void MainMenu_Projektdatei_Speichern_OnClick();
    void MainMenu_Projektdatei_SpeichernUnter_OnClick();
    void MainMenu_Projektdatei_Schliessen_OnClick();
    void MainMenu_Projektdatei_Beenden_OnClick();
    void MainMenu_Bearbeiten_AlleVerzweigungenOeffnen_OnClick();
    void MainMenu_Bearbeiten_AlleVerzweigungenSchliessen_OnClick();
    // Toggles one part of the window; ticked while the part is hidden.
    void MainMenu_Optionen_Ausblenden_OnClick(int viewSwitch);
    void MainMenu_Tools_OnClick(QAction *item);
    // The "&Tools" menu holds tools, and is shown while it holds any; the
    // file manager's follow.
    void setToolItems(const QList<ToolItem> &tools);
    // "Talvoren V4", with the project file and title once there is a file.
    void updateTitle();

    // Tree editing (TMainFormTreeEditing.cpp, TMainFormTreeEvents.cpp)
    void MainMenu_Bearbeiten_EintragBearbeiten_OnClick();
    void MainMenu_Bearbeiten_EintragHinzufuegen_OnClick();
    void MainMenu_Bearbeiten_UntereintragHinzufuegen_OnClick();
    void MainMenu_Bearbeiten_EintragVerschiebenNach_Oben_OnClick();
    void MainMenu_Bearbeiten_EintragVerschiebenNach_Unten_OnClick();
    void MainMenu_Bearbeiten_EintragVerschiebenNach_Anfang_OnClick();
    void MainMenu_Bearbeiten_EintragVerschiebenNach_Ende_OnClick();
    void MainMenu_Bearbeiten_EintragEntfernen_OnClick();
    void MainMenu_Bearbeiten_UntereintraegeEntfernen_OnClick();
    void MainMenu_Bearbeiten_AlleEintraegeEntfernen_OnClick();
    void TreePopupMenu2_HierherKopieren_OnClick();
    void TreePopupMenu2_HierherVerschieben_OnClick();
    // Positions are in the tree's viewport.
    void Tree_OnMouseDown(Qt::MouseButton button, const QPoint &position);
    void Tree_OnContextMenu(const QPoint &position);
    // True when the key was used.
    bool Tree_OnKeyDown(int key);
    void Tree_OnDragOver(const QPoint &position);
    void Tree_OnDragDrop(const QPoint &position);
    void Tree_OnEdited();

    // Command field (TMainFormCommandField.cpp)
    void TreePopupMenu_BefehlAusfuehren_OnClick();
    void BefehlszeileEdit_OnChange(const QString &text);

    // Comment field (TMainFormCommentField.cpp)
    QStringList commentLines() const;
    void KommentarEdit_OnChange();
    void KommentarEdit_OnExit();
    void KommentarEdit_OnContextMenu(const QPoint &position);
    void MainMenu_Hilfe_Hilfethemen_OnClick();
    void MainMenu_Hilfe_Systeminformationen_OnClick();
    void MainMenu_Hilfe_Infos_OnClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (TMainForm.cpp)
    void createCentralArea();
    QWidget *createTreePanel();
    QWidget *createCommandPanel();

    // Menus (TMainFormMenu.cpp)
    void createMenus();
    void createProjectMenu();
    void createEditMenu();
    void createSearchMenu();
    void createOptionsMenu();
    void createHelpMenu();

    // Docks and toolbars (TMainFormToolbars.cpp)
    void createDocks();
    void createToolbars();
    static QIcon withGreyedForm(const QIcon &icon);
    bool isPartHidden(int viewSwitch) const;
    void setPartHidden(int viewSwitch, bool hidden);
    void updatePanelVisibility();

    // Settings (TMainFormWindowSettings.cpp)
    void applySettings(const StartConfig &config);
    void applyToolbarPlace(int toolbar, const ToolbarPlace &place);

    // Project flows (TMainFormProjectFlows.cpp)
    bool askToSaveChanges();
    bool saveProjectAs();
    void clearProject();
    void showProject(std::unique_ptr<Project> project);
    QString chooserFolder() const;
    OperationObserver ioObserver();
    void endIo();

    // Tree editing (TMainFormTreeEditing.cpp, TMainFormTreeEvents.cpp)
    void connectTreeEditing();
    void createTreePopupMenus();
    void connectTreeEvents();
    TreeEditor treeEditor();
    TItemEditForm *itemEditForm();
    void showEntry(ProjectEntry *entry);
    void editNewEntry(ProjectEntry *added, ProjectEntry *previous);
    void moveCurrentEntry(bool (TreeEditor::*move)(ProjectEntry *));
    ProjectEntry *entryAt(const QPoint &viewportPosition) const;

    // Command and comment fields (TMainFormCommandField.cpp, TMainFormCommentField.cpp)
    void connectCommandField();
    void runCommandAction(int action);
    void frameActionButton(int action);
    void writeBackCommandField();
    void connectCommentField();
    void disconnectCommentField();

    // Selection display (TMainFormTreeSelection.cpp)
    void showSelectionHint(ProjectEntry *entry);

    Settings m_settings;
    QString m_startProject;
    QString m_startMacro;
    QString m_commandLineMacro;
    std::unique_ptr<Project> m_project;
    ProjectEntry *m_currentEntry = nullptr;
    QPointer<QWidget> m_splash;
    bool m_started = false;

    MainActions m_actions;
    bool m_partHidden[MainActions::SwitchCount] = {};
    ToolbarDock *m_docks[6] = {};
    DockingToolbar *m_toolbars[3] = {};
    QFrame *m_treePanel = nullptr;
    ProjectTreeView *m_tree = nullptr;
    QSplitter *m_treeSplitter = nullptr;
    QFrame *m_commentPanel = nullptr;
    QPlainTextEdit *m_commentEdit = nullptr;
    QFrame *m_commandPanel = nullptr;
    QLineEdit *m_commandEdit = nullptr;
    QPushButton *m_commandButtons[5] = {};
    MainStatusBar *m_statusBar = nullptr;
    TItemEditForm *m_itemEditForm = nullptr;
    std::unique_ptr<MainItemEditHost> m_itemEditHost;
    std::unique_ptr<MainHandovers> m_handovers;
    // The entry under the mouse at the last press in the tree.
    ProjectEntry *m_dragSource = nullptr;
    QMenu *m_treePopupMenu1 = nullptr;
    QMenu *m_treePopupMenu2 = nullptr;
    QMenu *m_commentPopupMenu = nullptr;
};
