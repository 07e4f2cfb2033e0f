#include "export/print/PdfExport.h"

#include "export/print/PdfFile.h"

#include <QPainter>
#include <QPdfWriter>

namespace {

enum class Painted { Complete, Stopped, Failed };

Painted paintPages(QIODevice &device, const PageLayout &layout, const PageSetup &setup,
                   const PageDecoration &decoration, const std::vector<int> &pages, const PdfProgress &progress)
{
    QPdfWriter writer(&device);
    writer.setPageSize(QPageSize(QSizeF(setup.pageWidth, setup.pageHeight), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(static_cast<int>(kLayoutDpi));
    writer.setCreator(QStringLiteral("Brekko"));
    QPainter painter;
    if (!painter.begin(&writer))
        return Painted::Failed;
    for (size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            writer.newPage();
        PaintPage(painter, writer.resolution(), layout, setup, decoration, pages[i]);
        if (progress && !progress(static_cast<int>(i + 1))) {
            painter.end();
            return Painted::Stopped;
        }
    }
    return painter.end() ? Painted::Complete : Painted::Failed;
}

} // namespace

PdfResult WritePdf(const QString &fileName, const PageLayout &layout, const PageSetup &setup,
                   const PageDecoration &decoration, const std::vector<int> &pages, const PdfProgress &progress)
{
    PdfResult result;
    PdfFile file(fileName);
    QIODevice *device = file.open();
    if (!device) {
        result.error = file.errorString();
        return result;
    }
    switch (paintPages(*device, layout, setup, decoration, pages, progress)) {
    case Painted::Stopped:
        result.cancelled = true;
        return result;
    case Painted::Failed:
        result.error = QStringLiteral("PDF-Ausgabe fehlgeschlagen");
        return result;
    case Painted::Complete:
        break;
    }
    result.written = file.commit();
    if (!result.written)
        result.error = file.errorString();
    return result;
}
