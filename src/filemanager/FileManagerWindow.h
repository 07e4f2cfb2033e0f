#pragma once

#include "common/settings/Settings.h"

#include <QString>

class QWidget;

// The one file manager window of the run, made on first use with settings
// (window state, view style, tools). Shows it modally on startCommandLine,
// which it keeps as it was closed with.
void ShowFileManager(QWidget *owner, const QString &startCommandLine, const Settings &settings);

// The Tools of the window when it has been made (a later one takes them
// from its settings).
void SetFileManagerTools(const QList<ToolItem> &tools);

// Removes the window (before the application ends, or between tests).
void DestroyFileManager();
