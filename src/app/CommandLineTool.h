#pragma once

#include <QStringList>

// The program's options for scripts: checking, expanding and resaving
// project files, archive listing, testing and extraction, text, PDF and
// statistics output. They need no display.
namespace CommandLineTool {

// True when arguments (without the program name) hold an option ("--..."),
// known or not: the window is not started then.
bool wanted(const QStringList &arguments);

// The option lays out pages and needs a QGuiApplication; the others a
// QCoreApplication.
bool needsGui(const QStringList &arguments);

// Runs the option and returns the exit code; 2 also when its output could
// not be written. An unknown option prints the usage.
int run(const QStringList &arguments);

inline const QString version = QStringLiteral("4.00.36 Beta-1");

} // namespace CommandLineTool
