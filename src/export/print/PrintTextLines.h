#pragma once

#include "common/settings/Settings.h"

#include <QStringList>

#include <functional>

struct Project;

// Which fields go into the printed text.
struct PrintFields {
    bool title = true;
    bool comment = false;
    bool command = false;
};

// Produces the lines to print for the chosen fields; the print export takes
// one so that the project's shared text rendering can be plugged in.
using PrintTextSource = std::function<QStringList(const PrintFields &fields)>;

// The project in display order, one blank of indentation per level, each
// field line behind its area's separator: trimmed titles, comment and
// command lines as stored (an empty command line still gives its line).
QStringList PrintTextLines(const Project &project, const PrintFields &fields, const Settings &settings);

// A source over project with settings' separators.
PrintTextSource MakePrintTextSource(const Project &project, const Settings &settings);
