#include "components/DrawnIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace DrawnIcons {
namespace {

// Each picture is drawn on a 16 by 16 grid and scaled.
struct Pens {
    QColor ink;
    QColor accent;
    QColor paper;
};

// A small square icon followed by the line of its name.
void Entry(QPainter &p, const Pens &pens, qreal x, qreal y, qreal lineLength)
{
    p.fillRect(QRectF(x, y, 3, 3), pens.accent);
    p.drawLine(QPointF(x + 4.5, y + 1.5), QPointF(x + 4.5 + lineLength, y + 1.5));
}

void Draw(QPainter &p, Kind kind, const Pens &pens)
{
    p.setPen(QPen(pens.ink, 1.0));
    switch (kind) {
    case LargeIcons:
        for (const QPointF at : {QPointF(1.5, 1.5), QPointF(9.5, 1.5), QPointF(1.5, 9.5), QPointF(9.5, 9.5)}) {
            p.setBrush(pens.accent);
            p.drawRect(QRectF(at, QSizeF(5, 5)));
        }
        break;
    case SmallIcons:
        for (const qreal y : {1.0, 6.0, 11.0}) {
            Entry(p, pens, 0.5, y, 2);
            Entry(p, pens, 8.5, y, 2);
        }
        break;
    case List:
        for (const qreal y : {1.0, 5.0, 9.0, 13.0})
            Entry(p, pens, 0.5, y, 10);
        break;
    case Details:
        p.fillRect(QRectF(0.5, 0.5, 15, 3), pens.accent);
        for (const qreal y : {6.5, 10.0, 13.5}) {
            p.drawLine(QPointF(1, y), QPointF(7, y));
            p.drawLine(QPointF(9, y), QPointF(11, y));
            p.drawLine(QPointF(13, y), QPointF(15, y));
        }
        break;
    case RootFolder: {
        p.setPen(QPen(pens.accent, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(2.5, 2), QPointF(13.5, 2));
        p.drawLine(QPointF(8, 14.5), QPointF(8, 5.5));
        QPainterPath head;
        head.moveTo(3.5, 9.5);
        head.lineTo(8, 5);
        head.lineTo(12.5, 9.5);
        p.setBrush(Qt::NoBrush);
        p.drawPath(head);
        break;
    }
    case Cut:
        p.setPen(QPen(pens.ink, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5.5, 10), QPointF(11.5, 1));
        p.drawLine(QPointF(10.5, 10), QPointF(4.5, 1));
        p.setPen(QPen(pens.accent, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
        break;
    case Copy:
        p.setBrush(pens.paper);
        p.drawRect(QRectF(1.5, 1.5, 8, 10));
        p.setBrush(pens.paper);
        p.drawRect(QRectF(6.5, 4.5, 8, 10));
        for (const qreal y : {7.5, 9.5, 11.5})
            p.drawLine(QPointF(8.5, y), QPointF(12.5, y));
        break;
    case Paste:
        p.setBrush(pens.accent);
        p.drawRect(QRectF(2.5, 2.5, 11, 12.5));
        p.setBrush(pens.paper);
        p.drawRect(QRectF(4.5, 4.5, 7, 9));
        p.setBrush(pens.ink);
        p.drawRect(QRectF(5.5, 1, 5, 2.5));
        break;
    }
}

QPixmap Picture(Kind kind, int size, const Pens &pens)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    Draw(p, kind, pens);
    return pixmap;
}

} // namespace

QIcon icon(Kind kind)
{
    const QPalette palette = QApplication::palette();
    const Pens normal{palette.color(QPalette::WindowText), palette.color(QPalette::Highlight),
                      palette.color(QPalette::Base)};
    const Pens disabled{palette.color(QPalette::Disabled, QPalette::WindowText),
                        palette.color(QPalette::Disabled, QPalette::WindowText).lighter(130),
                        palette.color(QPalette::Disabled, QPalette::Base)};
    QIcon icon;
    for (const int size : {16, 24, 32}) {
        icon.addPixmap(Picture(kind, size, normal), QIcon::Normal);
        icon.addPixmap(Picture(kind, size, disabled), QIcon::Disabled);
    }
    return icon;
}

QIcon themed(const QString &name, Kind kind)
{
    const QIcon fromTheme = QIcon::fromTheme(name);
    return fromTheme.isNull() ? icon(kind) : fromTheme;
}

} // namespace DrawnIcons
