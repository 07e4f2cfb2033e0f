#pragma once

#include "common/settings/Settings.h"

#include <QString>
#include <QStringList>

inline const QString DefaultSettingsFileName = QStringLiteral("Brekko.ini");
inline const QString DefaultHelpFileName = QStringLiteral("Brekko.hlp");

// Every setting of iniFile, each key that is missing or malformed keeping its
// default. An empty name gives the defaults.
Settings ReadSettings(const QString &iniFile);

// Files named on the command line.
struct StartupFiles {
    QString projectFile;  // a valid project file; empty when none was named
    QString settingsFile; // a valid settings file; empty when none was named
    QString macroFile;    // a valid macro file; empty when none was named
};

// arguments without the program name. Each is trimmed and looked up like a
// program file; a project file becomes the start project, else a settings
// file the settings file, else a macro file the macro to run. Later
// arguments win.
StartupFiles ResolveStartupArguments(const QStringList &arguments);

// Full path of a file the program brings along (settings file, help file):
// as named or beside the program (ResolveInProgramDirectory), else in
// $XDG_CONFIG_HOME/brekko, else in the installed data folders. Empty when
// it is nowhere.
QString LocateProgramFile(const QString &name);

// The folders an installation keeps its data files in, in the order they
// are searched.
QStringList InstalledDataFolders();

// The user's own settings file, $XDG_CONFIG_HOME/brekko/Brekko.ini.
QString UserSettingsFile();

// Exists and holds the settings header line.
bool IsSettingsFile(const QString &file);

enum class SettingsFileProblem { None, Missing, NoHeader };
SettingsFileProblem SettingsFileProblemOf(const QString &file);
