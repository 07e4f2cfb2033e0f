#pragma once

#include <QString>

// Sections and keys of the settings file.
namespace SettingsKeys {

inline const QString mainWindow = QStringLiteral("Hauptfenster");
inline const QString left = QStringLiteral("Links");
inline const QString top = QStringLiteral("Oben");
inline const QString width = QStringLiteral("Breite");
inline const QString height = QStringLiteral("Hoehe");
inline const QString centred = QStringLiteral("Zentriert positionieren");
inline const QString windowState = QStringLiteral("Status");
inline const QString commentPanelHeight = QStringLiteral("Kommentarfeldhoehe");

inline const QString fields = QStringLiteral("Felder");
inline const QString toolbarPosition[3] = {
    QStringLiteral("Position Toolbar \"Projektdatei\""),
    QStringLiteral("Position Toolbar \"Bearbeiten\""),
    QStringLiteral("Position Toolbar \"Extras\""),
};
inline const QString toolbarHidden[3] = {
    QStringLiteral("Toolbar \"Projektdatei\" ausgeblendet"),
    QStringLiteral("Toolbar \"Bearbeiten\" ausgeblendet"),
    QStringLiteral("Toolbar \"Extras\" ausgeblendet"),
};
inline const QString commentPanelHidden = QStringLiteral("Kommentarfeld ausgeblendet");
inline const QString commandPanelHidden = QStringLiteral("Befehlsfeld ausgeblendet");
inline const QString statusBarHidden = QStringLiteral("Statuszeile ausgeblendet");

inline const QString tree = QStringLiteral("Baum");
inline const QString singleExpand = QStringLiteral("SingleExpand");
inline const QString autoScroll = QStringLiteral("AutoScroll");

inline const QString files = QStringLiteral("Dateien");
inline const QString projectFile = QStringLiteral("Projektdatei");
inline const QString macroFile = QStringLiteral("Makrodatei");
inline const QString helpFile = QStringLiteral("Hilfedatei");

inline const QString project = QStringLiteral("Projekt");
inline const QString makeBackup = QStringLiteral("Sicherunsgkopien erstellen");
inline const QString backupExtension = QStringLiteral("Dateierweiterung der Sicherungskopien");

inline const QString exportSection = QStringLiteral("Export");
inline const QString titleArea = QStringLiteral("Feldbereich Bezeichnung");
inline const QString commentArea = QStringLiteral("Feldbereich Kommentar");
inline const QString commandArea = QStringLiteral("Feldbereich Befehl");
inline const QString customPageFormat = QStringLiteral("Benutzerdefiniertes Seitenformat");

inline const QString fileManager = QStringLiteral("Dateimanager");
inline const QString fileManagerState = QStringLiteral("Status");
inline const QString fileManagerViewStyle = QStringLiteral("ViewStyle");

// Keys "1", "2", ... numbered without gaps.
inline const QString tools = QStringLiteral("Tools");

} // namespace SettingsKeys
