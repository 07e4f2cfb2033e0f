#pragma once

#include "commands/ActionHandover.h"
#include "filemanager/FileManagerActions.h"

class TMainForm;

// What the main window installs for its commands and the file manager's
// buttons: the file manager, the extraction dialogs, the file manager's
// own dialogs and the text editor. Installed while the window lives.
class MainHandovers final : public ActionHandover, public FileManagerActions {
public:
    explicit MainHandovers(const TMainForm &form);
    ~MainHandovers() override;
    MainHandovers(const MainHandovers &) = delete;
    MainHandovers &operator=(const MainHandovers &) = delete;

    void openFileManager(QWidget *owner, const QString &startCommandLine) override;
    void openRarExtraction(QWidget *owner, const QString &archiveName) override;
    void openZipExtraction(QWidget *owner, const QString &archiveName) override;

    bool copy(QWidget *owner, const FileManagerSelection &selection) override;
    bool move(QWidget *owner, const FileManagerSelection &selection) override;
    bool remove(QWidget *owner, const FileManagerSelection &selection) override;
    bool makeFolder(QWidget *owner, const QString &folder) override;
    bool properties(QWidget *owner, const FileManagerSelection &selection) override;
    bool selectGroup(QWidget *owner, const FileManagerSelection &selection, GroupSelection &choice) override;
    void editFile(QWidget *owner, const QString &fileName) override;

private:
    const TMainForm &m_form;
    ActionHandover *m_previousHandover = nullptr;
    FileManagerActions *m_previousActions = nullptr;
};
