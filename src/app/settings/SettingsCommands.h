#pragma once

#include "app/settings/SettingsHost.h"

#include <QObject>

class TMainForm;

// "Einstellungen konfigurieren" of the main window (menu and toolbar): opens
// the settings dialog and serves it as its host.
class SettingsCommands : public QObject, public SettingsHost {
    Q_OBJECT

public:
    // settingsFile: the file in use; empty while the defaults are.
    SettingsCommands(TMainForm &form, const QString &settingsFile);

    void MainMenu_Optionen_EinstellungenKonfigurieren_OnClick();

    Settings currentSettings() const override;
    QString settingsFile() const override { return m_settingsFile; }
    void settingsSaved(const Settings &saved, const QString &fileName) override;
    int commentFieldHeight() const override;
    ToolbarState toolbarState(int toolbar) const override;
    bool hasOpenProject() const override;
    QString projectTitle() const override;
    bool autoExpand() const override;
    bool imagesShown() const override;
    void setProjectTitle(const QString &title) override;
    void setAutoExpand(bool on) override;
    void setImagesShown(bool shown) override;
    void editImageList(QWidget *owner) override;

private:
    TMainForm &m_form;
    QString m_settingsFile;
};
