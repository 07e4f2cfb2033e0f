#pragma once

#include "export/print/PagePainter.h"

#include <QStringList>

class QTextStream;
struct Settings;

// Writes every page of layout to fileName as PDF on paper of the setup's
// size; false when the file cannot be written. Needs a QGuiApplication.
bool WritePdf(const QString &fileName, const PageLayout &layout, const PageSetup &setup,
              const PageDecoration &decoration);

// brekko --print FILE --pdf OUT [--format NAME] [--header TEXT]
// [--footer TEXT] [--frame LRTB]: lays FILE out with the print export's
// defaults (fields and custom size from settings) and writes OUT. 0 on
// success, 2 with a message on err. Needs a QGuiApplication.
int RunPrintCommand(const QStringList &args, QTextStream &err);
int RunPrintCommand(const QStringList &args, QTextStream &err, const Settings &settings);
