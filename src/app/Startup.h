#pragma once

#include "app/StartConfig.h"
#include "common/OperationObserver.h"

#include <QStringList>

#include <optional>

class QApplication;

// Everything the main window needs before it exists: the command-line files,
// the settings file checked and read, the start project, start macros and
// help file. The observer's status receives the splash texts. Empty when the
// user chose to end the program in the settings error dialog.
std::optional<StartConfig> PrepareStart(const QStringList &arguments, const OperationObserver &observer);

// The windowed run: seams, splash, main window and the message loop;
// arguments are the command line without the program.
int RunBrekko(QApplication &app, const QStringList &arguments);
