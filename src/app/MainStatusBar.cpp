#include "app/MainStatusBar.h"

#include "app/VersionTexts.h"
#include "components/AnimatedIcon.h"
#include "components/Gauge.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>

namespace {

constexpr int kClockIntervalMs = 100;
// Panel 0 takes what the other panels leave; the gauge covers the room from
// the icon to the right end.
constexpr int kPanelWidths[] = {-1, 36, 55, 72, 50};
constexpr int kGaugePanelWidth = 207;

QString timeText(const QDateTime &now)
{
    return now.time().toString(QStringLiteral("HH:mm:ss"));
}

QString dateText(const QDateTime &now)
{
    return QLocale(QLocale::German).toString(now.date(), QStringLiteral("dddd', der 'dd'. 'MMMM' 'yyyy"));
}

QHBoxLayout *rowLayout(QWidget *row)
{
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    return layout;
}

} // namespace

MainStatusBar::MainStatusBar(QWidget *parent)
    : QWidget(parent)
    , m_clock([] { return QDateTime::currentDateTime(); })
{
    setObjectName(QStringLiteral("StatusBar"));
    setMouseTracking(true);

    auto *layout = rowLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    m_panelRow = new QWidget(this);
    m_simpleRow = new QWidget(this);
    for (QWidget *row : {m_panelRow, m_simpleRow}) {
        row->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(row);
    }

    QHBoxLayout *panels = rowLayout(m_panelRow);
    for (int panel = 0; panel < PanelCount; ++panel) {
        const bool centred = panel == ClockPanel || panel == MousePanel;
        m_panels[panel] =
            createPanel(kPanelWidths[panel], centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        m_panels[panel]->setObjectName(QStringLiteral("StatusBar_Panel%1").arg(panel));
        panels->addWidget(m_panels[panel], panel == HintPanel ? 1 : 0);
    }
    m_panels[ClockPanel]->setText(QStringLiteral("00:00:00"));
    m_panels[MousePanel]->setText(QStringLiteral("0000:0000"));
    m_panels[PercentPanel]->setText(QStringLiteral("0%"));

    m_icon = new AnimatedIcon(m_panels[IconPanel]);
    m_icon->setObjectName(QStringLiteral("AniIcon"));
    auto *iconLayout = new QHBoxLayout(m_panels[IconPanel]);
    iconLayout->setContentsMargins(0, 0, 0, 0);
    iconLayout->addWidget(m_icon, 0, Qt::AlignCenter);

    QHBoxLayout *simple = rowLayout(m_simpleRow);
    m_simpleLabel = createPanel(-1, Qt::AlignLeft | Qt::AlignVCenter);
    simple->addWidget(m_simpleLabel, 1);
    m_gaugePanel = new QWidget(m_simpleRow);
    m_gaugePanel->setObjectName(QStringLiteral("GaugePanel"));
    m_gaugePanel->setFixedWidth(kGaugePanelWidth);
    m_gauge = new Gauge(m_gaugePanel);
    m_gauge->setObjectName(QStringLiteral("Gauge"));
    auto *gaugeLayout = new QHBoxLayout(m_gaugePanel);
    gaugeLayout->setContentsMargins(0, 0, 0, 0);
    gaugeLayout->addWidget(m_gauge);
    simple->addWidget(m_gaugePanel);
    updateSimpleRow();

    m_clockTimer.setInterval(kClockIntervalMs);
    connect(&m_clockTimer, &QTimer::timeout, this, &MainStatusBar::tickClock);
    m_clockTimer.start();
}

QLabel *MainStatusBar::createPanel(int width, Qt::Alignment alignment)
{
    auto *label = new QLabel(this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(alignment);
    // A long text must not widen the window.
    if (width < 0)
        label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    else
        label->setFixedWidth(width);
    return label;
}

QString MainStatusBar::panelText(int panel) const
{
    return m_panels[panel]->text();
}

void MainStatusBar::setPanelText(int panel, const QString &text)
{
    m_panels[panel]->setText(text);
    emit panelWritten(panel);
}

void MainStatusBar::setSimpleText(const QString &text)
{
    m_simpleLabel->setText(text);
    m_simpleMode = true;
    updateSimpleRow();
}

void MainStatusBar::leaveSimpleMode()
{
    m_simpleMode = false;
    updateSimpleRow();
}

QString MainStatusBar::simpleText() const
{
    return m_simpleLabel->text();
}

void MainStatusBar::setGaugeVisible(bool visible)
{
    m_gaugeVisible = visible;
    updateSimpleRow();
}

void MainStatusBar::updateSimpleRow()
{
    m_panelRow->setVisible(!m_simpleMode);
    m_simpleRow->setVisible(m_simpleMode);
    m_gaugePanel->setVisible(m_gaugeVisible);
}

void MainStatusBar::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

void MainStatusBar::tickClock()
{
    const QString now = timeText(m_clock());
    if (now != m_panels[ClockPanel]->text())
        setPanelText(ClockPanel, now);
}

void MainStatusBar::setMousePosition(const QPoint &position)
{
    const QString text = QString::number(position.x()) + QLatin1Char(':') + QString::number(position.y());
    if (text != m_panels[MousePanel]->text())
        setPanelText(MousePanel, text);
}

int MainStatusBar::panelAt(const QPoint &position) const
{
    if (m_simpleMode)
        return -1;
    for (int panel = PanelCount - 1; panel >= 0; --panel) {
        const QWidget *label = m_panels[panel];
        if (position.x() >= label->mapTo(this, QPoint(0, 0)).x())
            return panel;
    }
    return HintPanel;
}

QString MainStatusBar::hintAt(const QPoint &position) const
{
    switch (panelAt(position)) {
    case HintPanel:
    case IconPanel:
        return VersionTexts::versionLine;
    case ClockPanel:
        return dateText(m_clock());
    case MousePanel:
        return QStringLiteral("Mauskoordinaten");
    case PercentPanel:
        return QStringLiteral("Prozentanzeige");
    default:
        return {};
    }
}

void MainStatusBar::mouseMoveEvent(QMouseEvent *event)
{
    const QString hint = hintAt(event->position().toPoint());
    if (!hint.isEmpty() && hint != m_lastOwnHint) {
        m_lastOwnHint = hint;
        setPanelText(HintPanel, hint);
    }
    QWidget::mouseMoveEvent(event);
}

void MainStatusBar::leaveEvent(QEvent *event)
{
    m_lastOwnHint.clear();
    QWidget::leaveEvent(event);
}
