#include "export/print/PagePainter.h"

#include "export/print/HeaderCodes.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>

namespace {

void paintSections(QPainter &painter, const QString &text, int page, const QString &title, double left, double right,
                   double top, double lineHeight)
{
    if (text.isEmpty())
        return;
    const HeaderSections sections = PageHeaderSections(text, page, title);
    const QRectF row(MmToLayout(left), MmToLayout(top), MmToLayout(right - left), MmToLayout(lineHeight));
    painter.drawText(row, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, sections.left);
    painter.drawText(row, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, sections.centre);
    painter.drawText(row, Qt::AlignRight | Qt::AlignTop | Qt::TextSingleLine, sections.right);
}

// Glyphs of a page's rows, drawn together as one run.
struct PageGlyphs {
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

// Draws row with its baseline at y from left. Blanks before, behind and in
// runs of two or more are left out and only moved over, so that a printout
// holds no glyphs for indentation and padding. Rows the layout's glyphs
// cover go to page; other Latin-1 rows are drawn as text, rows that are not
// Latin-1 whole (their script may need them so), only without the leading
// blanks.
void drawRow(QPainter &painter, const PageLayout &layout, double left, double y, const QString &row, PageGlyphs &page)
{
    const TextMeasure &measure = layout.measure();
    const QStringView text(row);
    const qsizetype size = text.size();
    const double blank = measure.width(u" ");
    qsizetype start = 0;
    while (start < size && text.at(start) == QLatin1Char(' '))
        ++start;
    double x = left + blank * double(start);
    if (!measure.tabled(text)) {
        painter.drawText(QPointF(x, y), row.mid(start));
        return;
    }
    const bool covered = layout.glyphs().covers(text);
    while (start < size) {
        qsizetype end = start;
        while (end < size
               && !(text.at(end) == QLatin1Char(' ') && (end + 1 == size || text.at(end + 1) == QLatin1Char(' '))))
            ++end;
        const QStringView run = text.mid(start, end - start);
        if (covered)
            layout.glyphs().append(run, QPointF(x, y), page.glyphs, page.positions);
        else
            painter.drawText(QPointF(x, y), run.toString());
        x += measure.width(run);
        start = end;
        while (start < size && text.at(start) == QLatin1Char(' ')) {
            x += blank;
            ++start;
        }
    }
}

} // namespace

void PaintPage(QPainter &painter, double dpi, const PageLayout &layout, const PageSetup &setup,
               const PageDecoration &decoration, int page)
{
    if (dpi <= 0.0)
        return;
    painter.save();
    painter.scale(dpi / kLayoutDpi, dpi / kLayoutDpi);
    painter.setFont(LayoutFont(setup.font));
    painter.setPen(Qt::black);
    const PageGeometry &g = layout.geometry();

    painter.save();
    painter.setClipRect(
        QRectF(MmToLayout(g.left), MmToLayout(g.top), MmToLayout(g.right - g.left), MmToLayout(g.bottom - g.top)));
    paintSections(painter, decoration.header, page, decoration.title, g.left, g.right, g.top, g.lineHeight);
    paintSections(painter, decoration.footer, page, decoration.title, g.left, g.right, g.bottom - g.lineHeight,
                  g.lineHeight);
    painter.restore();

    QPen pen(Qt::black);
    pen.setWidthF(MmToLayout(0.25));
    painter.setPen(pen);
    const double l = MmToLayout(g.left), r = MmToLayout(g.right);
    const double t = MmToLayout(g.frameTop), b = MmToLayout(g.frameBottom);
    if (decoration.frameSides & FrameTop)
        painter.drawLine(QPointF(l, t), QPointF(r, t));
    if (decoration.frameSides & FrameBottom)
        painter.drawLine(QPointF(l, b), QPointF(r, b));
    if (decoration.frameSides & FrameLeft)
        painter.drawLine(QPointF(l, t), QPointF(l, b));
    if (decoration.frameSides & FrameRight)
        painter.drawLine(QPointF(r, t), QPointF(r, b));
    painter.setPen(Qt::black);

    // Rows that do not fit (no word wrap) are cut at the body's edge.
    const QRectF body(MmToLayout(g.bodyLeft), MmToLayout(g.bodyTop), MmToLayout(g.bodyRight - g.bodyLeft),
                      MmToLayout(g.bodyBottom - g.bodyTop));
    painter.setClipRect(body);
    const QFontMetricsF metrics(painter.font());
    double baseline = body.top() + metrics.ascent();
    const double step = MmToLayout(g.lineHeight);
    PageGlyphs glyphs;
    for (const QString &row : layout.rowsOfPage(page)) {
        drawRow(painter, layout, body.left(), baseline, row, glyphs);
        baseline += step;
    }
    if (!glyphs.glyphs.isEmpty()) {
        QGlyphRun run;
        run.setRawFont(layout.glyphs().font());
        run.setGlyphIndexes(glyphs.glyphs);
        run.setPositions(glyphs.positions);
        painter.drawGlyphRun(QPointF(), run);
    }
    painter.restore();
}
