#pragma once

#include <QList>
#include <QString>

// Every value of the settings file with its built-in default.
struct ToolbarPlace {
    int defaultDock = -1;  // 0..5
    int dockedTo = -1;     // 0..5, 6 floating
    int left = -1;
    int top = -1;
};

struct ExportArea {
    bool enabled = false;
    QString separator;
};

struct ToolItem {
    QString caption;
    QString command;
};

struct Settings {
    // Hauptfenster
    int left = -1;
    int top = -1;
    int width = -1;
    int height = -1;
    bool centred = true;
    int windowState = 0;  // 1 maximised, 2 minimised
    int commentPanelHeight = -1;

    // Felder
    ToolbarPlace toolbarPlaces[3];
    bool toolbarHidden[3] = {false, false, false};
    bool commentPanelHidden = false;
    bool commandPanelHidden = false;
    bool statusBarHidden = false;

    // Baum
    bool singleExpand = false;
    bool autoScroll = true;

    // Dateien
    QString projectFile;
    QString macroFile;
    QString helpFile = QStringLiteral("Brekko.hlp");

    // Projekt
    bool makeBackup = true;
    QString backupExtension = QStringLiteral(".pr~");

    // Export
    ExportArea titleArea{true, QString()};
    ExportArea commentArea{false, QStringLiteral("  ")};
    ExportArea commandArea{false, QStringLiteral("  ")};
    int customPageWidth = 120;
    int customPageHeight = 60;

    // Dateimanager
    int fileManagerState = 0;
    int fileManagerViewStyle = 3;

    // Tools
    QList<ToolItem> tools;
};
