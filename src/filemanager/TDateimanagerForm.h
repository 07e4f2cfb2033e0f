#pragma once

#include "common/settings/Settings.h"

#include <QDialog>

#include <functional>

class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QStatusBar;
class QTimer;
class QToolButton;
class QPushButton;
class TFileList;

// What the program lends the file manager: the RAR and ZIP extraction
// dialogs, each shown modally on the command line's text.
struct ArchiveDialogs {
    std::function<void(QWidget *owner, const QString &archiveName)> unrar;
    std::function<void(QWidget *owner, const QString &archiveName)> unzip;
};

// "Dateimanager": folder and drive navigation, four view styles, selection
// and sort menus, a command line with history and the buttons that open the
// file dialogs. Made once and shown modally on the command line it is given.
class TDateimanagerForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 50100;
    static constexpr int kHistoryLimit = 30;

    // settings gives "Status", "ViewStyle" and the tools.
    explicit TDateimanagerForm(const Settings &settings, ArchiveDialogs archiveDialogs = {}, QWidget *parent = nullptr);

    QString startCommandLine() const { return m_startCommandLine; }
    void setStartCommandLine(const QString &line) { m_startCommandLine = line; }

    // Runs the window modally on startCommandLine; startCommandLine() is
    // then the command line it was closed with.
    void run(const QString &startCommandLine);

    // Expands the start command line and moves to what it names.
    void becomeActive();
    // Lists the folder part of path and selects its name part.
    void ChangeDir(const QString &path);

    TFileList *fileList() const { return m_fileList; }
    // Names of the selected items, in list order.
    QStringList selectedNames() const;
    // The "&Tools" pop-up's items; the button is enabled while there are any.
    void setTools(const QList<ToolItem> &tools);

    void done(int result) override;

private:
    void buildTopPanel();
    void buildComPanel();
    void buildButtonPanel();
    void buildMenus(const QList<ToolItem> &tools);
    QToolButton *viewButton(const char *name, const QString &hint, int style);

    QString listFolder() const;
    QString defaultFolder() const;
    void setComText(const QString &text);
    void pushHistory(const QString &entry);
    bool selectByName(const QString &name);
    void updateDriveHint(const QString &folder);
    void setDriveBox(const QString &root);
    void showReadStatus();
    void showSelectionStatus();
    void followSelection();
    bool renameItem(int row, const QString &newName);

    void DriveComboBox_OnChange(int index);
    void FilterComboBox_OnChange(int index);
    void ComBox_OnChange(const QString &text);
    void followTypedLine();
    void Button_RootDir_OnClick();
    void Button_UpperDir_OnClick();
    void Button_Refresh_OnClick();
    void Button_ComRun_OnClick();
    void FileList_OnOpen(int row);
    void selectGroup();
    void sortBy(int key);
    void runTool(const QString &command);
    void Button_Loeschen_OnClick();
    void Button_Eigenschaften_OnClick();
    void afterChange(bool changed);

    ArchiveDialogs m_archiveDialogs;
    QString m_startCommandLine;
    bool m_reading = false;
    bool m_typing = false; // a change of the command line is being followed

    QToolButton *m_rootButton = nullptr;
    QToolButton *m_upButton = nullptr;
    QComboBox *m_driveBox = nullptr;
    QComboBox *m_filterBox = nullptr;
    QToolButton *m_markButton = nullptr;
    QToolButton *m_sortButton = nullptr;
    QList<QToolButton *> m_viewButtons;
    TFileList *m_fileList = nullptr;
    QToolButton *m_toolsButton = nullptr;
    QComboBox *m_comBox = nullptr;
    QTimer *m_followLine = nullptr;
    QStatusBar *m_statusBar = nullptr;
    QLabel *m_countPanel = nullptr;
    QLabel *m_bytesPanel = nullptr;
    QMenu *m_markMenu = nullptr;
    QMenu *m_sortMenu = nullptr;
    QMenu *m_toolsMenu = nullptr;
};
