#pragma once

#include "commands/ActionHandover.h"
#include "common/settings/Settings.h"

#include <QPointer>

class TDateimanagerForm;
class TMainForm;

// What the main window's commands hand over to: the one file manager of the
// run, made on first use with the window's settings and the extraction
// dialogs, and the two extraction dialogs.
class MainHandovers final : public ActionHandover {
public:
    explicit MainHandovers(const TMainForm &form);
    ~MainHandovers() override;
    MainHandovers(const MainHandovers &) = delete;
    MainHandovers &operator=(const MainHandovers &) = delete;

    void openFileManager(QWidget *owner, const QString &startCommandLine) override;
    void openRarExtraction(QWidget *owner, const QString &archiveName) override;
    void openZipExtraction(QWidget *owner, const QString &archiveName) override;

    // The file manager's "&Tools" follow the main window's (a file manager
    // made later takes them from the settings).
    void setFileManagerTools(const QList<ToolItem> &tools);

private:
    const TMainForm &m_form;
    QPointer<TDateimanagerForm> m_fileManager;
};
