#include "app/settings/TEinstellungenForm.h"

#include "app/settings/AllgemeinPage.h"
#include "app/settings/DateienPage.h"
#include "app/settings/ExtrasPage.h"
#include "app/settings/ProjektPage.h"
#include "app/settings/SettingsHost.h"
#include "app/settings/ToolsPage.h"
#include "common/BusyCursor.h"
#include "common/DialogParts.h"
#include "common/MsgBox.h"
#include "common/settings/SettingsReader.h"
#include "common/settings/SettingsWriter.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString kCaption = QStringLiteral("Einstellungen konfigurieren");

void showNotCreated(const QString &fileName)
{
    ShowMsgBox(QStringLiteral("Fehler: Änderungen können nicht gespeichert werden..."),
               QStringLiteral("Die Ini-Datei\r\"%1\"\rkann nicht erstellt werden.").arg(fileName), MsgBox::Error,
               MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80520);
}

void showNotWritten()
{
    ShowMsgBox(
        QStringLiteral("Fehler: Unvollständig gespeichert..."),
        QStringLiteral("Die Änderungen konnten nicht oder nur unvollständig in die Ini-Datei geschrieben werden."),
        MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80530);
}

} // namespace

TEinstellungenForm::TEinstellungenForm(SettingsHost &host, QWidget *parent)
    : QDialog(parent)
    , m_host(host)
{
    setObjectName(QStringLiteral("TEinstellungenForm"));
    m_pages = named(new QTabWidget(this), "PageControl");
    m_projectPage = named(new ProjektPage(host, m_pages), "Tab_Projekt");
    auto *tools = named(new ToolsPage(m_pages), "Tab_Tools");
    auto *files = named(new DateienPage(m_pages), "Tab_Dateien");
    auto *extras = named(new ExtrasPage(m_pages), "Tab_Extras");
    auto *general = named(new AllgemeinPage(host, m_pages), "Tab_Allgemein");
    m_settingsPages = {tools, files, extras, general};
    m_pages->addTab(m_projectPage, QStringLiteral("Projekt"));
    m_pages->addTab(tools, QStringLiteral("Tools"));
    m_pages->addTab(files, QStringLiteral("Dateien"));
    m_pages->addTab(extras, QStringLiteral("Extras"));
    m_pages->addTab(general, QStringLiteral("Allgemein"));

    m_save = named(new QPushButton(QStringLiteral("&Speichern"), this), "Button_Speichern");
    QHBoxLayout *buttons = MakeDialogButtonRow(this, m_save, kHelpContext);
    // "&Hinzufügen" on the page "Tools" has the letter.
    findChild<QPushButton *>(QStringLiteral("Button_Hilfe"))->setText(QStringLiteral("Hilfe"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);

    for (SettingsPage *page : std::as_const(m_settingsPages)) {
        connect(page, &SettingsPage::changed, this, [this] {
            if (!m_filling)
                m_save->setEnabled(true);
        });
    }
    connect(m_save, &QPushButton::clicked, this, &TEinstellungenForm::Button_Speichern_OnClick);
    fill();
}

// The file names come from the settings file itself, the rest from the
// settings in force.
void TEinstellungenForm::fill()
{
    BusyCursor busy;
    m_filling = true;
    Settings shown = m_host.currentSettings();
    const Settings inFile = ReadSettings(m_host.settingsFile());
    shown.projectFile = inFile.projectFile;
    shown.macroFile = inFile.macroFile;
    shown.helpFile = inFile.helpFile;
    for (SettingsPage *page : std::as_const(m_settingsPages))
        page->load(shown);
    m_projectPage->load();
    m_pages->setCurrentWidget(m_projectPage);
    m_save->setEnabled(false);
    m_filling = false;
    setWindowTitle(kCaption);
}

bool TEinstellungenForm::collect(Settings &edited) const
{
    bool complete = true;
    for (const SettingsPage *page : m_settingsPages)
        complete = page->store(edited) && complete;
    return complete;
}

// Settings in force change only once the file holds them; a failed save
// leaves both as they were.
void TEinstellungenForm::Button_Speichern_OnClick()
{
    const Settings current = m_host.currentSettings();
    Settings edited = current;
    if (!collect(edited)) {
        showNotWritten();
        return;
    }
    SettingsSave save;
    {
        BusyCursor busy;
        setWindowTitle(QStringLiteral("Einstellungen werden gespeichert. Bitte warten..."));
        save = SaveSettings(m_host.settingsFile(), current, edited);
        setWindowTitle(kCaption);
    }
    switch (save.result) {
    case SettingsSaveResult::NotCreated:
        showNotCreated(save.fileName);
        reject();
        return;
    case SettingsSaveResult::NotWritten:
        showNotWritten();
        return;
    case SettingsSaveResult::Saved:
        m_host.settingsSaved(edited, save.fileName);
        accept();
        return;
    }
}
