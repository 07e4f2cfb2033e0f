#pragma once

#include "common/OperationObserver.h"
#include "export/print/GlyphTable.h"

#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Sides of the printable area that get a frame line.
enum FrameSide : int { FrameTop = 1, FrameBottom = 2, FrameLeft = 4, FrameRight = 8 };

// Everything that moves page breaks. Lengths are millimetres.
struct PageSetup {
    double pageWidth = 210.0;
    double pageHeight = 297.0;
    double marginLeft = 7.0;
    double marginRight = 7.0;
    double marginTop = 10.0;
    double marginBottom = 10.0;
    QFont font;
    bool wordWrap = true;
    bool hasHeader = false;
    bool hasFooter = false;
    int frameSides = 0;
    double frameDistance = 0.0;
};

// The areas of one page, in millimetres from the paper's top left corner.
struct PageGeometry {
    double left = 0, top = 0, right = 0, bottom = 0;                 // inside the margins
    double bodyLeft = 0, bodyTop = 0, bodyRight = 0, bodyBottom = 0; // text
    double frameTop = 0, frameBottom = 0;                            // frame lines between header and footer
    double lineHeight = 0;
};

// Layout and painting measure in pixels of this resolution; painting scales
// it to the device.
inline constexpr double kLayoutDpi = 1200.0;

double MmToLayout(double mm);
double LayoutToMm(double pixels);

// The font as layout and painting use it: its point size fixed as pixels at
// kLayoutDpi, so every device measures the same.
QFont LayoutFont(const QFont &font);

// "Courier New" 10 pt, else the closest fixed-pitch font installed.
QFont DefaultPrintFont();

PageGeometry ComputeGeometry(const PageSetup &setup);

// Widths of text in a layout font. Lines of Latin-1 characters are summed
// from a table of advances (the layout font neither kerns nor shapes them);
// any other text is measured.
class TextMeasure {
public:
    explicit TextMeasure(const QFontMetricsF &metrics);

    double width(QStringView text) const;
    // Where line breaks into rows no wider than width: the length of each
    // row, broken at the last blank that fits, else inside the word; each
    // row holds at least one character.
    std::vector<int> rowLengths(QStringView line, double width) const;
    const QFontMetricsF &metrics() const { return m_metrics; }
    // Only Latin-1 characters, whose widths simply add up.
    bool tabled(QStringView text) const;

private:
    int fitting(QStringView text, double width) const;

    QFontMetricsF m_metrics;
    double m_advance[256];
};

// Lines broken into rows and rows into pages. The layout keeps the lines it
// was given (shared, not copied) and each row as a piece of its line; the
// text of a page is put together when it is asked for.
class PageLayout {
public:
    // Lays lines out; false when observer cancelled (the layout is then empty).
    bool layOut(const QStringList &lines, const PageSetup &setup, const OperationObserver &observer = {});

    int pageCount() const;
    int rowsPerPage() const { return m_rowsPerPage; }
    const PageGeometry &geometry() const { return m_geometry; }
    // The widths the rows were broken by; only after a layout.
    const TextMeasure &measure() const { return *m_measure; }
    // The glyphs of the font the rows were broken by; only after a layout.
    const GlyphTable &glyphs() const { return *m_glyphs; }
    // The rows of page (1-based); empty outside 1..pageCount.
    QStringList rowsOfPage(int page) const;
    int rowCount() const { return static_cast<int>(m_rows.size()); }

private:
    struct Row {
        int line;
        int start;
        int length; // -1: to the end of the line
    };

    QStringList m_lines;
    std::vector<Row> m_rows;
    std::optional<TextMeasure> m_measure;
    std::optional<GlyphTable> m_glyphs;
    int m_rowsPerPage = 1;
    PageGeometry m_geometry;
};

// Breaks line into pieces no wider than width (in layout pixels): at the
// last blank that fits, else inside the word; each piece holds at least one
// character, so any width ends.
QStringList WrapLine(const QString &line, const QFontMetricsF &metrics, double width);
