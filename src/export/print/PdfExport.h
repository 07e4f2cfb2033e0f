#pragma once

#include "export/print/PagePainter.h"

#include <functional>
#include <vector>

class QIODevice;

// Called after each page with the number of pages done; false stops.
using PdfProgress = std::function<bool(int pagesDone)>;

struct PdfResult {
    bool written = false;
    bool cancelled = false;
    QString error; // why the file could not be written
};

// Writes the pages (numbers of layout, in this order, repeats allowed) to
// fileName as PDF on paper of the setup's size. An existing file is replaced
// only by a complete new one; a failed or cancelled run leaves nothing
// behind. Needs a QGuiApplication.
PdfResult WritePdf(const QString &fileName, const PageLayout &layout, const PageSetup &setup,
                   const PageDecoration &decoration, const std::vector<int> &pages, const PdfProgress &progress = {});
