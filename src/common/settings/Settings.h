#pragma once

#include <QList>
#include <QString>

struct ToolbarPlace {
    int defaultDock = -1; // 0..5
    int dockedTo = -1;    // 0..5, 6 floating
    int left = -1;
    int top = -1;

    bool operator==(const ToolbarPlace &) const = default;
};

struct ExportArea {
    bool enabled = false;
    QString separator;

    bool operator==(const ExportArea &) const = default;
};

struct ToolItem {
    QString caption;
    QString command;

    bool operator==(const ToolItem &) const = default;
};

// Every value of the settings file. A new object holds the built-in
// defaults, which the settings table (SettingsTable.h) gives.
struct Settings {
    Settings();

    // Hauptfenster
    int left;
    int top;
    int width;
    int height;
    bool centred;
    int windowState; // 1 maximised, 2 minimised
    int commentPanelHeight;

    // Felder
    ToolbarPlace toolbarPlaces[3];
    bool toolbarHidden[3];
    bool commentPanelHidden;
    bool commandPanelHidden;
    bool statusBarHidden;

    // Baum
    bool singleExpand;
    bool autoScroll;

    // Dateien
    QString projectFile;
    QString macroFile;
    QString helpFile;

    // Projekt
    bool makeBackup;
    QString backupExtension;

    // Export
    ExportArea titleArea;
    ExportArea commentArea;
    ExportArea commandArea;
    int customPageWidth;
    int customPageHeight;

    // Dateimanager
    int fileManagerState;
    int fileManagerViewStyle;

    // Tools
    QList<ToolItem> tools;
};
