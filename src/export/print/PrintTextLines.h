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

// Produces the lines to print for the chosen fields.
using PrintTextSource = std::function<QStringList(const PrintFields &fields)>;

// The project as the text export renders it, with the chosen fields and
// settings' separators.
QStringList PrintTextLines(const Project &project, const PrintFields &fields, const Settings &settings);

// A source over project with settings' separators.
PrintTextSource MakePrintTextSource(const Project &project, const Settings &settings);
