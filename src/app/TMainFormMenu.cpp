#include "app/HelpWindow.h"
#include "app/MainHandovers.h"
#include "app/TAboutForm.h"
#include "app/TMainForm.h"
#include "app/TSystemInfoForm.h"
#include "common/FileUtils.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "project/Project.h"

#include <QMenuBar>

namespace {

QAction *addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

QMenu *addSubmenu(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut = {})
{
    QMenu *submenu = menu->addMenu(caption);
    submenu->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setObjectName(QString::fromLatin1(name));
    submenu->menuAction()->setShortcut(shortcut);
    return submenu;
}

QMenu *addMenu(QMenuBar *bar, const char *name, const QString &caption)
{
    QMenu *menu = bar->addMenu(caption);
    menu->setObjectName(QString::fromLatin1(name));
    return menu;
}

QKeySequence keys(QKeyCombination combination)
{
    return QKeySequence(combination);
}

} // namespace

void TMainForm::createMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu"));
    createProjectMenu();
    createEditMenu();
    createSearchMenu();
    createOptionsMenu();
    m_actions.tools = addMenu(menuBar(), "MainMenu_Tools", QStringLiteral("&Tools"));
    m_actions.tools->menuAction()->setVisible(false);
    connect(m_actions.tools, &QMenu::triggered, this, &TMainForm::MainMenu_Tools_OnClick);
    createHelpMenu();
}

void TMainForm::createProjectMenu()
{
    MainActions &a = m_actions;
    QMenu *menu = addMenu(menuBar(), "MainMenu_Projektdatei", QStringLiteral("&Projektdatei"));
    a.newProject = addItem(menu, "MainMenu_Projektdatei_Neu", QStringLiteral("&Neu"), keys(Qt::CTRL | Qt::Key_N));
    a.autoOpen =
        addItem(menu, "MainMenu_Projektdatei_AutoOeffnen", QStringLiteral("&Auto-Öffnen"), keys(Qt::CTRL | Qt::Key_A));
    a.open = addItem(menu, "MainMenu_Projektdatei_Oeffnen", QStringLiteral("Ö&ffnen"), keys(Qt::CTRL | Qt::Key_O));
    a.reopen = addSubmenu(menu, "MainMenu_Projektdatei_ErneutOeffnen", QStringLiteral("&Erneut öffnen..."),
                          keys(Qt::CTRL | Qt::Key_E));
    a.reopen->menuAction()->setEnabled(false);
    menu->addSeparator();
    a.save = addItem(menu, "MainMenu_Projektdatei_Speichern", QStringLiteral("&Speichern"), keys(Qt::CTRL | Qt::Key_S));
    a.saveAs = addItem(menu, "MainMenu_Projektdatei_SpeichernUnter", QStringLiteral("Speichern &unter..."),
                       keys(Qt::CTRL | Qt::Key_U));
    a.close = addItem(menu, "MainMenu_Projektdatei_Schliessen", QStringLiteral("Schlie&ßen"),
                      keys(Qt::CTRL | Qt::Key_ssharp));
    menu->addSeparator();
    a.editFile =
        addItem(menu, "MainMenu_Projektdatei_Editieren", QStringLiteral("E&ditieren"), keys(Qt::CTRL | Qt::Key_D));
    a.statistics =
        addItem(menu, "MainMenu_Projektdatei_Statistik", QStringLiteral("Statisti&k"), keys(Qt::CTRL | Qt::Key_K));
    menu->addSeparator();
    a.importMenu = addSubmenu(menu, "MainMenu_Projektdatei_Importieren", QStringLiteral("&Importieren"));
    a.importFileContents =
        addItem(a.importMenu, "MainMenu_Projektdatei_Importieren_Dateiinhalt", QStringLiteral("&Dateiinhalt"));
    a.importFolderTree = addItem(a.importMenu, "MainMenu_Projektdatei_Importieren_Verzeichnisstruktur",
                                 QStringLiteral("&Verzeichnisstruktur"));
    a.exportMenu = addSubmenu(menu, "MainMenu_Projektdatei_Export", QStringLiteral("Ex&portieren"));
    a.exportPrint = addItem(a.exportMenu, "MainMenu_Projektdatei_Export_Drucken", QStringLiteral("&Drucken"),
                            keys(Qt::CTRL | Qt::Key_P));
    a.exportText = addItem(a.exportMenu, "MainMenu_Projektdatei_Export_Textdatei", QStringLiteral("&Textdatei"),
                           keys(Qt::CTRL | Qt::Key_T));
    a.exportHtml = addItem(a.exportMenu, "MainMenu_Projektdatei_Export_HtmlDokument", QStringLiteral("&Html-Dokument"),
                           keys(Qt::CTRL | Qt::Key_H));
    // Present for the layout of the menu; they have no function.
    for (QAction *never : {a.importFileContents, a.importFolderTree, a.exportHtml})
        never->setEnabled(false);
    menu->addSeparator();
    a.exit = addItem(menu, "MainMenu_Projektdatei_Beenden", QStringLiteral("&Beenden"), keys(Qt::ALT | Qt::Key_X));

    connect(a.newProject, &QAction::triggered, this, &TMainForm::MainMenu_Projektdatei_Neu_OnClick);
    connect(a.open, &QAction::triggered, this, &TMainForm::MainMenu_Projektdatei_Oeffnen_OnClick);
    connect(a.reopen, &QMenu::triggered, this, &TMainForm::MainMenu_Projektdatei_ErneutOeffnen_OnClick);
    connect(a.save, &QAction::triggered, this, &TMainForm::MainMenu_Projektdatei_Speichern_OnClick);
    connect(a.saveAs, &QAction::triggered, this, &TMainForm::MainMenu_Projektdatei_SpeichernUnter_OnClick);
    connect(a.close, &QAction::triggered, this, &TMainForm::MainMenu_Projektdatei_Schliessen_OnClick);
    connect(a.exit, &QAction::triggered, this, &TMainForm::MainMenu_Projektdatei_Beenden_OnClick);
    // The submenu's own shortcut opens it where the project menu would show it.
    addAction(a.reopen->menuAction());
    connect(a.reopen->menuAction(), &QAction::triggered, this, [this, menu] {
        QMenu *reopen = m_actions.reopen;
        if (!reopen->isEmpty())
            reopen->popup(mapToGlobal(menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
    });
}

void TMainForm::createEditMenu()
{
    MainActions &a = m_actions;
    QMenu *menu = addMenu(menuBar(), "MainMenu_Bearbeiten", QStringLiteral("&Bearbeiten"));
    a.expandAll = addItem(menu, "MainMenu_Bearbeiten_AlleVerzweigungenOeffnen",
                          QStringLiteral("Alle Verzweigungen öffnen"), keys(Qt::SHIFT | Qt::Key_F3));
    a.collapseAll = addItem(menu, "MainMenu_Bearbeiten_AlleVerzweigungenSchliessen",
                            QStringLiteral("Alle Verzweigungen schließen"), keys(Qt::SHIFT | Qt::Key_F4));
    menu->addSeparator();
    a.editImages = addItem(menu, "MainMenu_Bearbeiten_ImagelisteBearbeiten", QStringLiteral("&Imageliste bearbeiten"),
                           keys(Qt::Key_F2));
    menu->addSeparator();
    a.editEntry =
        addItem(menu, "MainMenu_Bearbeiten_EintragBearbeiten", QStringLiteral("&Eintrag bearbeiten"), keys(Qt::Key_F3));
    a.addEntry = addItem(menu, "MainMenu_Bearbeiten_EintragHinzufuegen", QStringLiteral("Eintrag &hinzufügen"),
                         keys(Qt::Key_F4));
    a.addChild = addItem(menu, "MainMenu_Bearbeiten_UntereintragHinzufuegen",
                         QStringLiteral("&Untereintrag hinzufügen"), keys(Qt::Key_F5));
    a.catalogue = addItem(menu, "MainMenu_Bearbeiten_OrdnerEinlesen", QStringLiteral("&Ordner einlesen..."));
    a.moveMenu =
        addSubmenu(menu, "MainMenu_Bearbeiten_EintragVerschiebenNach", QStringLiteral("Eintrag &verschieben nach..."));
    a.moveUp = addItem(a.moveMenu, "MainMenu_Bearbeiten_EintragVerschiebenNach_Oben",
                       QStringLiteral("Um eine Position nach &oben"), keys(Qt::Key_F9));
    a.moveDown = addItem(a.moveMenu, "MainMenu_Bearbeiten_EintragVerschiebenNach_Unten",
                         QStringLiteral("Um eine Position nach &unten"), keys(Qt::Key_F10));
    a.moveMenu->addSeparator();
    a.moveToStart = addItem(a.moveMenu, "MainMenu_Bearbeiten_EintragVerschiebenNach_Anfang",
                            QStringLiteral("Zum &Anfang der Ebene"), keys(Qt::Key_F11));
    a.moveToEnd = addItem(a.moveMenu, "MainMenu_Bearbeiten_EintragVerschiebenNach_Ende",
                          QStringLiteral("Zum &Ende der Ebene"), keys(Qt::Key_F12));
    menu->addSeparator();
    a.removeEntry =
        addItem(menu, "MainMenu_Bearbeiten_EintragEntfernen", QStringLiteral("Eintrag ent&fernen"), keys(Qt::Key_F6));
    a.removeChildren = addItem(menu, "MainMenu_Bearbeiten_UntereintraegeEntfernen",
                               QStringLiteral("U&ntereinträge entfernen"), keys(Qt::Key_F7));
    a.removeAll = addItem(menu, "MainMenu_Bearbeiten_AlleEintraegeEntfernen",
                          QStringLiteral("&Alle Einträge entfernen"), keys(Qt::SHIFT | Qt::Key_F7));
    menu->addSeparator();
    a.sort = addItem(menu, "MainMenu_Bearbeiten_Sortieren", QStringLiteral("&Sortieren"), keys(Qt::Key_F8));

    connect(a.expandAll, &QAction::triggered, this, &TMainForm::MainMenu_Bearbeiten_AlleVerzweigungenOeffnen_OnClick);
    connect(a.collapseAll, &QAction::triggered, this,
            &TMainForm::MainMenu_Bearbeiten_AlleVerzweigungenSchliessen_OnClick);
}

void TMainForm::createSearchMenu()
{
    MainActions &a = m_actions;
    QMenu *menu = addMenu(menuBar(), "MainMenu_Suchen", QStringLiteral("&Suchen"));
    a.search = addItem(menu, "MainMenu_Suchen_Suchen", QStringLiteral("&Suchen"), keys(Qt::ALT | Qt::Key_F5));
    a.searchAgain =
        addItem(menu, "MainMenu_Suchen_Weitersuchen", QStringLiteral("&Weitersuchen"), keys(Qt::ALT | Qt::Key_F6));
    a.goTo = addItem(menu, "MainMenu_Suchen_GeheZu", QStringLiteral("&Gehe zu..."), keys(Qt::ALT | Qt::Key_F7));
    // The toolbar buttons' hints.
    a.search->setToolTip(QStringLiteral("Begriff suchen"));
    a.searchAgain->setToolTip(QStringLiteral("Weitersuchen"));
    a.goTo->setToolTip(QStringLiteral("Gehe zu..."));
}

void TMainForm::createOptionsMenu()
{
    struct Switch {
        const char *name;
        const char *caption;
        Qt::Key key;
    };
    static const Switch switches[MainActions::SwitchCount] = {
        {"MainMenu_Optionen_ToolbarProjektdateiAusblenden", "Toolbar \"&Projektdatei\" ausblenden", Qt::Key_F2},
        {"MainMenu_Optionen_ToolbarBearbeitenAusblenden", "Toolbar \"Be&arbeiten\" ausblenden", Qt::Key_F3},
        {"MainMenu_Optionen_ToolbarExtrasAusblenden", "Toolbar \"Ex&tras\" ausblenden", Qt::Key_F4},
        {"MainMenu_Optionen_KommentarfeldAusblenden", "&Kommentarfeld ausblenden", Qt::Key_F5},
        {"MainMenu_Optionen_BefehlsfeldAusblenden", "&Befehlsfeld ausblenden", Qt::Key_F6},
        {"MainMenu_Optionen_StatuszeileAusblenden", "&Statuszeile ausblenden", Qt::Key_F7},
    };
    QMenu *menu = addMenu(menuBar(), "MainMenu_Optionen", QStringLiteral("&Optionen"));
    for (int i = 0; i < MainActions::SwitchCount; ++i) {
        QAction *action =
            addItem(menu, switches[i].name, QString::fromUtf8(switches[i].caption), keys(Qt::CTRL | switches[i].key));
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, i] { MainMenu_Optionen_Ausblenden_OnClick(i); });
        m_actions.viewSwitches[i] = action;
        if (i == MainActions::ToolbarExtras)
            menu->addSeparator();
    }
    menu->addSeparator();
    m_actions.settings =
        addItem(menu, "MainMenu_Optionen_EinstellungenKonfigurieren", QStringLiteral("&Einstellungen konfigurieren"));
}

// Adding an item to a menu takes time in proportion to the items it holds:
// a settings file with many thousands of tools would stall the start, and no
// screen shows that many.
constexpr qsizetype kMostToolItems = 500;

void TMainForm::setToolItems(const QList<ToolItem> &tools)
{
    m_actions.tools->clear();
    for (const ToolItem &tool : tools.first(qMin(tools.size(), kMostToolItems))) {
        QAction *item = m_actions.tools->addAction(tool.caption);
        item->setStatusTip(tool.command);
        item->setData(tool.command);
    }
    if (tools.size() > kMostToolItems) {
        m_actions.tools
            ->addAction(QStringLiteral("(%1 weitere Einträge nicht angezeigt)")
                            .arg(FormatThousands(tools.size() - kMostToolItems)))
            ->setEnabled(false);
    }
    m_actions.tools->menuAction()->setVisible(!m_actions.tools->isEmpty());
    m_handovers->setFileManagerTools(tools);
}

void TMainForm::createHelpMenu()
{
    MainActions &a = m_actions;
    QMenu *menu = addMenu(menuBar(), "MainMenu_Hilfe", QStringLiteral("&Hilfe"));
    a.helpTopics = addItem(menu, "MainMenu_Hilfe_Hilfethemen", QStringLiteral("&Hilfethemen"));
    a.helpTopics->setEnabled(false);
    menu->addSeparator();
    a.systemInfo = addItem(menu, "MainMenu_Hilfe_Systeminformationen", QStringLiteral("&Systeminformationen"));
    a.about = addItem(menu, "MainMenu_Hilfe_Infos", QStringLiteral("&Infos..."));
    connect(a.helpTopics, &QAction::triggered, this, &TMainForm::MainMenu_Hilfe_Hilfethemen_OnClick);
    connect(a.systemInfo, &QAction::triggered, this, &TMainForm::MainMenu_Hilfe_Systeminformationen_OnClick);
    connect(a.about, &QAction::triggered, this, &TMainForm::MainMenu_Hilfe_Infos_OnClick);
}

void TMainForm::MainMenu_Hilfe_Hilfethemen_OnClick()
{
    ShowHelp(HelpWindow::kContents);
}

void TMainForm::MainMenu_Hilfe_Systeminformationen_OnClick()
{
    TSystemInfoForm dialog(this);
    RunModal(&dialog);
}

void TMainForm::MainMenu_Hilfe_Infos_OnClick()
{
    TAboutForm dialog(this);
    RunModal(&dialog);
}
