#pragma once

#include "app/StartConfig.h"

#include <QStringList>

#include <functional>
#include <optional>

class QApplication;

// Everything the main window needs before it exists: the command-line files,
// the settings file checked and read, the start project, start macro and
// help file. status receives the splash texts. Empty when the user chose to
// end the program in the settings error dialog.
std::optional<StartConfig> PrepareStart(const QStringList &arguments,
                                        const std::function<void(const QString &text)> &status);

// The windowed run: seams, splash, main window and the message loop.
int RunBrekko(QApplication &app);
