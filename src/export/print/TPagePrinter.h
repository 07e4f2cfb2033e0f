#pragma once

#include "export/print/PageLayout.h"
#include "export/print/PagePainter.h"

#include <QScrollArea>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPrinter;
class TPagePreview;

// Lays lines out on pages with header, footer and frame, previews the
// current page at any zoom and prints a page range on a printer or to a PDF
// file. Lengths are millimetres.
class TPagePrinter : public QScrollArea {
    Q_OBJECT

public:
    explicit TPagePrinter(QWidget *parent = nullptr);
    ~TPagePrinter() override;

    const QStringList &lines() const { return m_lines; }
    void setLines(const QStringList &lines);

    // Hold repagination while several properties change.
    void beginUpdate();
    void endUpdate();
    void recomputePages();

    QFont font() const { return m_setup.font; }
    void setFont(const QFont &font);
    bool wordWrap() const { return m_setup.wordWrap; }
    void setWordWrap(bool on);

    int zoom() const { return m_zoom; }
    void setZoom(int percent);
    // 0 top left, 1 top centred, 2 centred.
    void setZoomLocation(int location);
    bool autoScroll() const { return m_autoScroll; }
    void setAutoScroll(bool on);

    double marginLeft() const { return m_setup.marginLeft; }
    double marginRight() const { return m_setup.marginRight; }
    double marginTop() const { return m_setup.marginTop; }
    double marginBottom() const { return m_setup.marginBottom; }
    // Each refuses (false, lastError) while printing.
    bool setMarginLeft(double mm);
    bool setMarginRight(double mm);
    bool setMarginTop(double mm);
    bool setMarginBottom(double mm);

    double pageWidth() const { return m_setup.pageWidth; }
    double pageHeight() const { return m_setup.pageHeight; }
    int pageCount() const { return m_layout.pageCount(); }
    int currentPage() const { return m_currentPage; }
    bool setCurrentPage(int page);

    QString header() const { return m_header; }
    QString footer() const { return m_footer; }
    // Date, time and file name are filled in now; page and title per page.
    void setHeader(const QString &text);
    void setFooter(const QString &text);
    QString title() const { return m_title; }
    void setTitle(const QString &title);

    int frameSides() const { return m_setup.frameSides; }
    void setFrameSides(int sides);
    double frameDistance() const { return m_setup.frameDistance; }
    void setFrameDistance(double mm);

    int copies() const { return m_copies; }
    void setCopies(int copies) { m_copies = copies; }
    bool collate() const { return m_collate; }
    void setCollate(bool on) { m_collate = on; }
    int fromPage() const { return m_fromPage; }
    void setFromPage(int page) { m_fromPage = page; }
    int toPage() const { return m_toPage; }
    void setToPage(int page) { m_toPage = page; }

    bool printToFile() const { return m_printToFile; }
    bool setPrintToFile(bool on);
    QString fileName() const { return m_fileName; }
    bool setFileName(const QString &fileName);
    bool printing() const { return m_printing; }
    void setProgressMessage(const QString &text) { m_progressMessage = text; }

    // The printer used for paper size and printing; its settings may be
    // changed (printer set-up), then call printerChanged().
    QPrinter &printer() { return *m_printer; }
    void printerChanged();

    // Prints the range; true on success (no pages prints nothing and
    // succeeds). A cancel gives false with lastError "Drucken abgebrochen";
    // a range whose first page lies behind its last fails. Printing to a
    // file leaves no file when it fails or is cancelled.
    bool print();
    bool cancelled() const { return m_cancelled; }
    QString lastError() const { return m_lastError; }

    const PageLayout &layout() const { return m_layout; }
    const PageSetup &setup() const { return m_setup; }

signals:
    void pagesChanged();
    void zoomChanged(int percent);

private:
    bool refuse(const QString &text);
    bool cancel();
    bool printPdf(const std::vector<int> &pages, const PageDecoration &decoration,
                  const std::function<bool(int)> &next);
    bool printOnPrinter(const std::vector<int> &pages, const PageDecoration &decoration,
                        const std::function<bool(int)> &next);
    bool setMargin(double PageSetup::*margin, double mm, const char *side);
    void relayoutIfFree();
    void updatePreviewGeometry();
    void paperFromPrinter();

    QStringList m_lines;
    PageSetup m_setup;
    PageLayout m_layout;
    std::unique_ptr<QPrinter> m_printer;
    TPagePreview *m_preview = nullptr;
    QString m_header, m_footer, m_title;
    QString m_headerExpanded, m_footerExpanded;
    int m_zoom = 25;
    int m_zoomLocation = 0;
    bool m_autoScroll = false;
    int m_currentPage = 1;
    int m_copies = 1;
    bool m_collate = true;
    int m_fromPage = 1;
    int m_toPage = 0;
    bool m_printToFile = false;
    QString m_fileName;
    bool m_printing = false;
    bool m_cancelled = false;
    QString m_progressMessage;
    QString m_lastError;
    int m_updateDepth = 0;
    bool m_stale = true; // something moved page breaks since the last layout
    bool m_layingOut = false;
    bool m_layoutAgain = false;

    friend class TPagePreview;
};
