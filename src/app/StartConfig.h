#pragma once

#include "common/settings/Settings.h"

#include <QString>

// What start-up hands the main window: the settings as read and the files
// found for this run.
struct StartConfig {
    Settings settings;
    QString settingsFile;     // empty: defaults in use
    QString startProject;     // command line, else the "Projektdatei" setting
    QString startMacro;       // an existing macro file, else empty
    QString commandLineMacro; // a macro file named on the command line, run after startMacro
    QString helpFile;         // an existing help file, else empty
};
