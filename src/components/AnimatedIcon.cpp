#include "components/AnimatedIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
constexpr int kIntervalMs = 120;
constexpr int kSize = 20;
} // namespace

AnimatedIcon::AnimatedIcon(QWidget *parent)
    : QWidget(parent)
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &AnimatedIcon::nextFrame);
}

void AnimatedIcon::start()
{
    m_timer.start();
}

void AnimatedIcon::stop()
{
    m_timer.stop();
}

QSize AnimatedIcon::sizeHint() const
{
    return {kSize, kSize};
}

void AnimatedIcon::nextFrame()
{
    m_frame = (m_frame + 1) % kFrameCount;
    update();
}

// A teal globe with two meridians that sweep across it as the frames go by.
void AnimatedIcon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 2;
    const QRectF globe((width() - side) / 2.0, (height() - side) / 2.0, side, side);

    QRadialGradient shade(globe.center() - QPointF(side / 5.0, side / 5.0), side * 0.7);
    shade.setColorAt(0, QColor(120, 220, 220));
    shade.setColorAt(1, QColor(0, 110, 110));
    painter.setPen(QPen(QColor(0, 64, 64), 1));
    painter.setBrush(shade);
    painter.drawEllipse(globe);

    QPainterPath clip;
    clip.addEllipse(globe);
    painter.setClipPath(clip);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(230, 255, 255), 1));
    painter.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    for (int meridian = 0; meridian < 2; ++meridian) {
        const double phase = 2 * M_PI * (m_frame + meridian * kFrameCount / 4.0) / kFrameCount;
        const double halfWidth = std::abs(std::cos(phase)) * side / 2.0;
        painter.drawEllipse(globe.center(), halfWidth, side / 2.0);
    }
}
