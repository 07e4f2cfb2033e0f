#include "export/print/TPagePrinter.h"

#include "common/OperationObserver.h"
#include "export/print/HeaderCodes.h"
#include "export/print/PageFormats.h"
#include "export/print/PagePainter.h"
#include "export/print/PdfExport.h"
#include "export/print/TPrintProgressForm.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

// The current page at the printer's zoom; paints only what is exposed.
class TPagePreview : public QWidget {
public:
    explicit TPagePreview(TPagePrinter *owner)
        : QWidget(owner)
        , m_owner(owner)
    {
        setObjectName(QStringLiteral("PagePrinter_Seite"));
    }

    double dpi() const { return logicalDpiX() * m_owner->m_zoom / 100.0; }

    QSize pagePixels() const
    {
        const double scale = dpi() / 25.4;
        return QSize(qMax(1, qRound(m_owner->pageWidth() * scale)), qMax(1, qRound(m_owner->pageHeight() * scale)));
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        if (m_owner->m_zoom <= 0)
            return;
        painter.setRenderHint(QPainter::TextAntialiasing);
        PaintPage(painter, dpi(), m_owner->m_layout, m_owner->m_setup,
                  {m_owner->m_headerExpanded, m_owner->m_footerExpanded, m_owner->m_title, m_owner->frameSides()},
                  m_owner->m_currentPage);
    }

private:
    TPagePrinter *m_owner;
};

TPagePrinter::TPagePrinter(QWidget *parent)
    : QScrollArea(parent)
    , m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("PagePrinter"));
    m_setup.font = DefaultPrintFont();
    m_printer->setFullPage(true);
    paperFromPrinter();
    setBackgroundRole(QPalette::Dark);
    m_preview = new TPagePreview(this);
    setWidget(m_preview);
    setWidgetResizable(false);
    updatePreviewGeometry();
    recomputePages();
}

TPagePrinter::~TPagePrinter() = default;

void TPagePrinter::setLines(const QStringList &lines)
{
    m_lines = lines;
    relayoutIfFree();
}

void TPagePrinter::beginUpdate()
{
    ++m_updateDepth;
}

void TPagePrinter::endUpdate()
{
    if (m_updateDepth > 0 && --m_updateDepth == 0)
        recomputePages();
}

void TPagePrinter::relayoutIfFree()
{
    m_stale = true;
    if (m_updateDepth == 0)
        recomputePages();
}

void TPagePrinter::recomputePages()
{
    if (!m_stale)
        return;
    m_stale = false;
    if (m_layingOut) {
        m_layoutAgain = true;
        return;
    }
    m_layingOut = true;
    OperationObserver observer;
    observer.runPendingEvents = RunPendingEvents;
    observer.keepGoing = [this] { return !m_layoutAgain; };
    do {
        m_layoutAgain = false;
        m_setup.hasHeader = !m_header.isEmpty();
        m_setup.hasFooter = !m_footer.isEmpty();
        // Copies: events run during the layout and may change both.
        const QStringList lines = m_lines;
        const PageSetup setup = m_setup;
        m_layout.layOut(lines, setup, observer);
    } while (m_layoutAgain);
    m_layingOut = false;
    m_currentPage = qBound(1, m_currentPage, qMax(1, pageCount()));
    m_preview->update();
    emit pagesChanged();
}

void TPagePrinter::setFont(const QFont &font)
{
    m_setup.font = font;
    relayoutIfFree();
}

void TPagePrinter::setWordWrap(bool on)
{
    m_setup.wordWrap = on;
    relayoutIfFree();
}

void TPagePrinter::setZoom(int percent)
{
    m_zoom = qMax(0, percent);
    updatePreviewGeometry();
    emit zoomChanged(m_zoom);
}

void TPagePrinter::setZoomLocation(int location)
{
    m_zoomLocation = qBound(0, location, 2);
    static constexpr Qt::Alignment places[] = {Qt::AlignLeft | Qt::AlignTop, Qt::AlignHCenter | Qt::AlignTop,
                                               Qt::AlignCenter};
    setAlignment(places[m_zoomLocation]);
}

void TPagePrinter::setAutoScroll(bool on)
{
    m_autoScroll = on;
}

bool TPagePrinter::refuse(const QString &text)
{
    m_lastError = text;
    return false;
}

bool TPagePrinter::setMargin(double PageSetup::*margin, double mm, const char *side)
{
    if (m_printing)
        return refuse(QStringLiteral("Unable to change %1 margin while printing").arg(QLatin1String(side)));
    m_setup.*margin = qMax(0.0, mm);
    relayoutIfFree();
    return true;
}

bool TPagePrinter::setMarginLeft(double mm)
{
    return setMargin(&PageSetup::marginLeft, mm, "left");
}
bool TPagePrinter::setMarginRight(double mm)
{
    return setMargin(&PageSetup::marginRight, mm, "right");
}
bool TPagePrinter::setMarginTop(double mm)
{
    return setMargin(&PageSetup::marginTop, mm, "top");
}
bool TPagePrinter::setMarginBottom(double mm)
{
    return setMargin(&PageSetup::marginBottom, mm, "bottom");
}

bool TPagePrinter::setCurrentPage(int page)
{
    if (page < 1 || page > qMax(1, pageCount()))
        return refuse(QStringLiteral("PageNumber must be between 1 and %1").arg(pageCount()));
    if (page != m_currentPage) {
        m_currentPage = page;
        if (m_autoScroll) {
            horizontalScrollBar()->setValue(0);
            verticalScrollBar()->setValue(0);
        }
        m_preview->update();
    }
    return true;
}

void TPagePrinter::setHeader(const QString &text)
{
    m_header = text;
    m_headerExpanded = ExpandSetTimeCodes(text, m_fileName, QDateTime::currentDateTime());
    relayoutIfFree();
}

void TPagePrinter::setFooter(const QString &text)
{
    m_footer = text;
    m_footerExpanded = ExpandSetTimeCodes(text, m_fileName, QDateTime::currentDateTime());
    relayoutIfFree();
}

void TPagePrinter::setTitle(const QString &title)
{
    m_title = title;
    m_preview->update();
}

void TPagePrinter::setFrameSides(int sides)
{
    m_setup.frameSides = sides & (FrameTop | FrameBottom | FrameLeft | FrameRight);
    relayoutIfFree();
}

void TPagePrinter::setFrameDistance(double mm)
{
    m_setup.frameDistance = qMax(0.0, mm);
    relayoutIfFree();
}

bool TPagePrinter::setPrintToFile(bool on)
{
    if (m_printing)
        return refuse(QStringLiteral("Can't change PrintToFile while printing"));
    m_printToFile = on;
    return true;
}

bool TPagePrinter::setFileName(const QString &fileName)
{
    if (m_printing)
        return refuse(QStringLiteral("Can't change FileName while printing"));
    m_fileName = fileName;
    return true;
}

void TPagePrinter::paperFromPrinter()
{
    const QRectF paper = m_printer->pageLayout().fullRect(QPageLayout::Millimeter);
    m_setup.pageWidth = paper.width();
    m_setup.pageHeight = paper.height();
}

void TPagePrinter::printerChanged()
{
    m_printer->setFullPage(true);
    paperFromPrinter();
    updatePreviewGeometry();
    relayoutIfFree();
}

void TPagePrinter::updatePreviewGeometry()
{
    m_preview->resize(m_preview->pagePixels());
    m_preview->update();
}

bool TPagePrinter::print()
{
    m_lastError.clear();
    m_cancelled = false;
    if (pageCount() > 0 && m_fromPage > 0 && m_toPage > 0 && m_fromPage > m_toPage)
        return refuse(QStringLiteral("Die Seite %1 liegt hinter der Seite %2.").arg(m_fromPage).arg(m_toPage));
    const std::vector<int> pages = PrintSequence(m_fromPage, m_toPage, pageCount(), m_copies, m_collate);
    if (pages.empty())
        return true;

    m_printing = true;
    TPrintProgressForm progress(m_progressMessage, window());
    progress.open();
    const int copies = qMax(1, m_copies);
    const int rangePages = qMax(1, static_cast<int>(pages.size()) / copies);
    const int total = static_cast<int>(pages.size());
    QElapsedTimer sinceShown;
    // Shows the page about to be printed (as often as events run); false
    // once the user cancelled.
    const auto next = [&](int index) {
        if (index >= total || (sinceShown.isValid() && sinceShown.elapsed() < EventPump::DefaultIntervalMs))
            return true;
        if (m_collate)
            progress.showPage(index % rangePages + 1, rangePages, index / rangePages + 1, copies);
        else
            progress.showPage(index / copies + 1, rangePages, index % copies + 1, copies);
        RunPendingEvents();
        sinceShown.start();
        return !progress.cancelled();
    };
    const PageDecoration decoration{m_headerExpanded, m_footerExpanded, m_title, frameSides()};
    const bool printed = m_printToFile ? printPdf(pages, decoration, next) : printOnPrinter(pages, decoration, next);
    m_printing = false;
    return printed;
}

bool TPagePrinter::printPdf(const std::vector<int> &pages, const PageDecoration &decoration,
                            const std::function<bool(int)> &next)
{
    if (!next(0))
        return cancel();
    const PdfResult result = WritePdf(m_fileName, m_layout, m_setup, decoration, pages, next);
    if (result.cancelled)
        return cancel();
    return result.written ? true : refuse(result.error);
}

bool TPagePrinter::printOnPrinter(const std::vector<int> &pages, const PageDecoration &decoration,
                                  const std::function<bool(int)> &next)
{
    QPrinter &target = *m_printer;
    target.setCopyCount(1);
    target.setOutputFormat(QPrinter::NativeFormat);
    QPainter painter;
    if (!painter.begin(&target))
        return refuse(QStringLiteral("Kein Drucker verfügbar."));
    for (size_t i = 0; i < pages.size(); ++i) {
        if (!next(static_cast<int>(i))) {
            target.abort();
            return cancel();
        }
        if (i > 0)
            target.newPage();
        PaintPage(painter, target.resolution(), m_layout, m_setup, decoration, pages[i]);
    }
    const bool ok = painter.end() && target.printerState() != QPrinter::Error;
    return ok ? true : refuse(QStringLiteral("Der Drucker meldet einen Fehler."));
}

bool TPagePrinter::cancel()
{
    m_cancelled = true;
    return refuse(QStringLiteral("Drucken abgebrochen"));
}
