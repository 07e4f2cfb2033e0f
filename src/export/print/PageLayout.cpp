#include "export/print/PageLayout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>

#include <algorithm>

namespace {

constexpr double kMmPerInch = 25.4;

// Gap between header or footer and the body, in rows.
constexpr double kHeaderGapRows = 0.5;

const QImage &referenceDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kLayoutDpi / kMmPerInch * 1000.0);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

// Characters of text from start that fit into width.
int fittingLength(const QString &text, int start, const QFontMetricsF &metrics, double width)
{
    int low = 1;
    int high = static_cast<int>(text.size()) - start;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.mid(start, middle)) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

} // namespace

double MmToLayout(double mm)
{
    return mm * kLayoutDpi / kMmPerInch;
}

double LayoutToMm(double pixels)
{
    return pixels * kMmPerInch / kLayoutDpi;
}

QFont LayoutFont(const QFont &font)
{
    QFont result(font);
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    result.setPixelSize(qMax(1, qRound(points * kLayoutDpi / 72.0)));
    return result;
}

QFont DefaultPrintFont()
{
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontInfo(font).fixedPitch()) {
        QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        fixed.setPointSize(10);
        return fixed;
    }
    return font;
}

PageGeometry ComputeGeometry(const PageSetup &setup)
{
    PageGeometry g;
    g.left = setup.marginLeft;
    g.top = setup.marginTop;
    g.right = qMax(g.left, setup.pageWidth - setup.marginRight);
    g.bottom = qMax(g.top, setup.pageHeight - setup.marginBottom);
    g.lineHeight = LayoutToMm(QFontMetricsF(LayoutFont(setup.font), &referenceDevice()).lineSpacing());

    g.frameTop = g.top + (setup.hasHeader ? g.lineHeight * (1.0 + kHeaderGapRows) : 0.0);
    g.frameBottom = g.bottom - (setup.hasFooter ? g.lineHeight * (1.0 + kHeaderGapRows) : 0.0);
    g.frameBottom = qMax(g.frameTop, g.frameBottom);

    const double gap = qMax(0.0, setup.frameDistance);
    g.bodyLeft = g.left + ((setup.frameSides & FrameLeft) ? gap : 0.0);
    g.bodyRight = qMax(g.bodyLeft, g.right - ((setup.frameSides & FrameRight) ? gap : 0.0));
    g.bodyTop = g.frameTop + ((setup.frameSides & FrameTop) ? gap : 0.0);
    g.bodyBottom = qMax(g.bodyTop, g.frameBottom - ((setup.frameSides & FrameBottom) ? gap : 0.0));
    return g;
}

QStringList WrapLine(const QString &line, const QFontMetricsF &metrics, double width)
{
    if (line.isEmpty() || metrics.horizontalAdvance(line) <= width)
        return {line};
    // No row holds more characters than this, so a very long line costs
    // measurements of row length only.
    const double narrowest = qMax(1.0, metrics.horizontalAdvance(QLatin1Char('i')));
    const int cap = static_cast<int>(qMin(1e6, width / narrowest * 2.0)) + 2;
    QStringList pieces;
    int start = 0;
    const int size = static_cast<int>(line.size());
    while (start < size) {
        const int remaining = size - start;
        if (remaining <= cap && metrics.horizontalAdvance(line.mid(start)) <= width) {
            pieces << line.mid(start);
            break;
        }
        int length = fittingLength(line.left(start + qMin(remaining, cap)), start, metrics, width);
        const int blank = static_cast<int>(line.lastIndexOf(QLatin1Char(' '), start + length));
        if (blank > start)
            length = blank - start + 1; // the blank stays at the end of the row
        pieces << line.mid(start, length);
        start += length;
    }
    return pieces;
}

void PageLayout::addRows(const QString &line, const QFontMetricsF &metrics, double width, bool wrap)
{
    if (!wrap) {
        m_rows.push_back(line);
        return;
    }
    for (const QString &piece : WrapLine(line, metrics, width))
        m_rows.push_back(piece);
}

bool PageLayout::layOut(const QStringList &lines, const PageSetup &setup, const OperationObserver &observer)
{
    m_rows.clear();
    m_pageStarts.clear();
    m_geometry = ComputeGeometry(setup);

    const QFontMetricsF metrics(LayoutFont(setup.font), &referenceDevice());
    const double width = MmToLayout(m_geometry.bodyRight - m_geometry.bodyLeft);
    const double rows = (m_geometry.bodyBottom - m_geometry.bodyTop) / m_geometry.lineHeight;
    m_rowsPerPage = qMax(1, static_cast<int>(rows + 1e-6));

    EventPump pump(observer.runPendingEvents);
    m_rows.reserve(static_cast<size_t>(lines.size()));
    const qsizetype total = lines.size();
    int lastPercent = -1;
    for (qsizetype i = 0; i < total; ++i) {
        addRows(lines.at(i), metrics, width, setup.wordWrap);
        if ((i & 255) == 0) {
            const int percent = static_cast<int>(i * 100 / total);
            if (percent != lastPercent) {
                observer.setProgress(percent);
                lastPercent = percent;
            }
            pump.poll();
            if (!observer.shouldContinue()) {
                m_rows.clear();
                return false;
            }
        }
    }
    for (int start = 0; start < rowCount(); start += m_rowsPerPage)
        m_pageStarts.push_back(start);
    return true;
}

QStringList PageLayout::rowsOfPage(int page) const
{
    if (page < 1 || page > pageCount())
        return {};
    const int start = m_pageStarts[static_cast<size_t>(page - 1)];
    const int end = std::min(rowCount(), start + m_rowsPerPage);
    QStringList rows;
    rows.reserve(end - start);
    for (int i = start; i < end; ++i)
        rows << m_rows[static_cast<size_t>(i)];
    return rows;
}
