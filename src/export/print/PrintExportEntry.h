#pragma once

#include "export/print/PrintTextLines.h"

class QWidget;
struct Project;
struct Settings;

// Shows the print export modally over owner. source gives the lines for the
// chosen fields; empty means PrintTextLines over project.
void ShowPrintExport(QWidget *owner, const Project &project, const Settings &settings, PrintTextSource source = {});
