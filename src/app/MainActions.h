#pragma once

class QAction;
class QMenu;

// The main window's menu commands; toolbar buttons share these actions, so
// that enabling one enables both.
struct MainActions {
    enum ViewSwitch { ToolbarFile, ToolbarEdit, ToolbarExtras, CommentPanel, CommandPanel, StatusLine, SwitchCount };

    // "&Projektdatei"
    QAction *newProject = nullptr;
    QAction *autoOpen = nullptr;
    QAction *open = nullptr;
    QMenu *reopen = nullptr;
    QAction *save = nullptr;
    QAction *saveAs = nullptr;
    QAction *close = nullptr;
    QAction *editFile = nullptr;
    QAction *statistics = nullptr;
    QMenu *importMenu = nullptr;
    QAction *importFileContents = nullptr;
    QAction *importFolderTree = nullptr;
    QMenu *exportMenu = nullptr;
    QAction *exportPrint = nullptr;
    QAction *exportText = nullptr;
    QAction *exportHtml = nullptr;
    QAction *exit = nullptr;

    // "&Bearbeiten"
    QAction *expandAll = nullptr;
    QAction *collapseAll = nullptr;
    QAction *editImages = nullptr;
    QAction *editEntry = nullptr;
    QAction *addEntry = nullptr;
    QAction *addChild = nullptr;
    QAction *catalogue = nullptr;
    QMenu *moveMenu = nullptr;
    QAction *moveUp = nullptr;
    QAction *moveDown = nullptr;
    QAction *moveToStart = nullptr;
    QAction *moveToEnd = nullptr;
    QAction *removeEntry = nullptr;
    QAction *removeChildren = nullptr;
    QAction *removeAll = nullptr;
    QAction *sort = nullptr;

    // "&Suchen"
    QAction *search = nullptr;
    QAction *searchAgain = nullptr;
    QAction *goTo = nullptr;

    // "&Optionen"
    QAction *viewSwitches[SwitchCount] = {};
    QAction *settings = nullptr;

    // "&Tools", hidden until it has items
    QMenu *tools = nullptr;

    // "&Hilfe"
    QAction *helpTopics = nullptr;
    QAction *systemInfo = nullptr;
    QAction *about = nullptr;
};
