#pragma once

#include <QStringList>

// The program's options for scripts: checking, expanding and resaving
// project files, archive listing, testing and extraction, text, PDF and
// statistics output. They need no display.
namespace CommandLineTool {

// True when arguments (without the program name) ask for one of the options.
bool wanted(const QStringList &arguments);

// Runs the option and returns the exit code.
int run(const QStringList &arguments);

inline const QString version = QStringLiteral("4.00.36 Beta-1");

} // namespace CommandLineTool
