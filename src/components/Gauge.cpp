#include "components/Gauge.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

Gauge::Gauge(QWidget *parent)
    : QWidget(parent)
{
}

void Gauge::setValue(int percent)
{
    percent = qBound(0, percent, 100);
    if (percent == m_value)
        return;
    m_value = percent;
    update();
}

QSize Gauge::sizeHint() const
{
    return {150, fontMetrics().height() + 4};
}

void Gauge::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.frameShape = QFrame::Panel;
    frame.state |= QStyle::State_Sunken;
    frame.lineWidth = 1;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);

    const QRect inner = rect().adjusted(1, 1, -1, -1);
    painter.fillRect(inner, palette().base());
    QRect filled = inner;
    filled.setWidth(inner.width() * m_value / 100);
    painter.fillRect(filled, palette().highlight());

    const QString text = QString::number(m_value) + QLatin1Char('%');
    painter.setPen(palette().text().color());
    painter.setClipRect(inner.adjusted(filled.width(), 0, 0, 0));
    painter.drawText(inner, Qt::AlignCenter, text);
    painter.setPen(palette().highlightedText().color());
    painter.setClipRect(filled);
    painter.drawText(inner, Qt::AlignCenter, text);
}
