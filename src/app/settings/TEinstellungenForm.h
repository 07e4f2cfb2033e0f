#pragma once

#include <QDialog>

class ProjektPage;
class QPushButton;
class QTabWidget;
class SettingsHost;
class SettingsPage;
struct Settings;

// "Einstellungen konfigurieren": shows the settings in force on four pages
// and writes the changed ones to the settings file; the page "Projekt"
// changes the open project at once.
class TEinstellungenForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 40900;

    explicit TEinstellungenForm(SettingsHost &host, QWidget *parent = nullptr);

private:
    void fill();
    void Button_Speichern_OnClick();
    // The values of every page on top of the settings in force; false when a
    // page holds one that cannot be stored.
    bool collect(Settings &edited) const;

    SettingsHost &m_host;
    QTabWidget *m_pages = nullptr;
    ProjektPage *m_projectPage = nullptr;
    QList<SettingsPage *> m_settingsPages;
    QPushButton *m_save = nullptr;
    bool m_filling = false;
};
