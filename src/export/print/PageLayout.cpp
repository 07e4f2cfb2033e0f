#include "export/print/PageLayout.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>

#include <algorithm>
#include <limits>

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
    // Plain text needs neither, and without them a row is as wide as the
    // sum of its characters, which keeps long layouts fast.
    result.setKerning(false);
    result.setStyleStrategy(QFont::PreferNoShaping);
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

TextMeasure::TextMeasure(const QFontMetricsF &metrics)
    : m_metrics(metrics)
{
    for (int c = 0; c < 256; ++c) {
        const bool printable = (c >= 0x20 && c < 0x7f) || (c >= 0xa0 && c != 0xad);
        m_advance[c] = printable ? metrics.horizontalAdvance(QChar(c)) : -1.0;
    }
}

bool TextMeasure::tabled(QStringView text) const
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff || m_advance[c.unicode()] < 0)
            return false;
    }
    return true;
}

double TextMeasure::width(QStringView text) const
{
    if (!tabled(text))
        return m_metrics.horizontalAdvance(text.toString());
    double sum = 0;
    for (const QChar c : text)
        sum += m_advance[c.unicode()];
    return sum;
}

// Characters of text that fit into width, at least one; measured.
int TextMeasure::fitting(QStringView text, double width) const
{
    // No row holds more characters than this, so a very long line costs
    // measurements of row length only.
    const double narrowest = qMax(1.0, m_metrics.horizontalAdvance(QLatin1Char('i')));
    int low = 1;
    int high =
        static_cast<int>(qMin<qsizetype>(text.size(), static_cast<qsizetype>(qMin(1e6, width / narrowest * 2.0)) + 2));
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (m_metrics.horizontalAdvance(text.left(middle).toString()) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

std::vector<int> TextMeasure::rowLengths(QStringView line, double width) const
{
    std::vector<int> lengths;
    const int size = static_cast<int>(line.size());
    const bool fast = tabled(line);
    int start = 0;
    while (start < size) {
        int length = 0;
        if (fast) {
            double sum = 0;
            while (start + length < size) {
                const double advance = m_advance[line.at(start + length).unicode()];
                if (length > 0 && sum + advance > width)
                    break;
                sum += advance;
                ++length;
            }
        } else {
            length = fitting(line.mid(start), width);
        }
        if (start + length < size) {
            // A blank at the break, even one beyond the width, ends the row.
            const int blank = static_cast<int>(line.lastIndexOf(QLatin1Char(' '), start + length));
            if (blank > start)
                length = blank - start + 1;
        }
        lengths.push_back(length);
        start += length;
    }
    if (lengths.empty())
        lengths.push_back(0);
    return lengths;
}

QStringList WrapLine(const QString &line, const QFontMetricsF &metrics, double width)
{
    QStringList pieces;
    int start = 0;
    for (const int length : TextMeasure(metrics).rowLengths(line, width)) {
        pieces << line.mid(start, length);
        start += length;
    }
    return pieces;
}

bool PageLayout::layOut(const QStringList &lines, const PageSetup &setup, const OperationObserver &observer)
{
    m_lines = lines;
    m_rows.clear();
    m_geometry = ComputeGeometry(setup);

    const QFont font = LayoutFont(setup.font);
    m_measure.emplace(QFontMetricsF(font, &referenceDevice()));
    m_glyphs.emplace(font);
    const TextMeasure &measure = *m_measure;
    const double width = MmToLayout(m_geometry.bodyRight - m_geometry.bodyLeft);
    const double rows = (m_geometry.bodyBottom - m_geometry.bodyTop) / m_geometry.lineHeight;
    m_rowsPerPage = qMax(1, static_cast<int>(rows + 1e-6));

    EventPump pump(observer.runPendingEvents);
    m_rows.reserve(static_cast<size_t>(lines.size()));
    const int total = static_cast<int>(qMin<qsizetype>(lines.size(), std::numeric_limits<int>::max()));
    int lastPercent = -1;
    for (int i = 0; i < total; ++i) {
        const QString &line = lines.at(i);
        if (!setup.wordWrap || measure.width(line) <= width) {
            m_rows.push_back({i, 0, -1});
        } else {
            int start = 0;
            for (const int length : measure.rowLengths(line, width)) {
                m_rows.push_back({i, start, length});
                start += length;
            }
        }
        if ((i & 1023) == 0) {
            const int percent = static_cast<int>(qint64(i) * 100 / total);
            if (percent != lastPercent) {
                observer.setProgress(percent);
                lastPercent = percent;
            }
            pump.poll();
            if (!observer.shouldContinue()) {
                m_rows.clear();
                m_lines.clear();
                return false;
            }
        }
    }
    return true;
}

int PageLayout::pageCount() const
{
    const qint64 pages = (qint64(m_rows.size()) + m_rowsPerPage - 1) / m_rowsPerPage;
    return static_cast<int>(qMin<qint64>(pages, std::numeric_limits<int>::max()));
}

QStringList PageLayout::rowsOfPage(int page) const
{
    if (page < 1 || page > pageCount())
        return {};
    const size_t start = size_t(page - 1) * size_t(m_rowsPerPage);
    const size_t end = std::min(m_rows.size(), start + size_t(m_rowsPerPage));
    QStringList rows;
    rows.reserve(qsizetype(end - start));
    for (size_t i = start; i < end; ++i) {
        const Row &row = m_rows[i];
        const QString &line = m_lines.at(row.line);
        rows << (row.length < 0 ? line : line.mid(row.start, row.length));
    }
    return rows;
}
