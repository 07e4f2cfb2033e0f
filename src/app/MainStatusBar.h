#pragma once

#include <QDateTime>
#include <QTimer>
#include <QWidget>

#include <functional>

class AnimatedIcon;
class Gauge;
class QLabel;

// The main window's status line: five panels (hint, animated icon, clock,
// mouse position, percentage), or in simple-text mode one text with the
// progress gauge where the icon was. Moving the mouse over the bar shows the
// bar's own hints in the hint panel.
class MainStatusBar : public QWidget {
    Q_OBJECT

public:
    enum Panel { HintPanel = 0, IconPanel = 1, ClockPanel = 2, MousePanel = 3, PercentPanel = 4, PanelCount = 5 };
    using Clock = std::function<QDateTime()>;

    explicit MainStatusBar(QWidget *parent = nullptr);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);

    // Simple-text mode: one text across the bar.
    void setSimpleText(const QString &text);
    void leaveSimpleMode();
    bool isSimpleMode() const { return m_simpleMode; }
    QString simpleText() const;

    // The gauge stands in the icon's place while simple-text mode is on.
    void setGaugeVisible(bool visible);
    Gauge *gauge() const { return m_gauge; }
    AnimatedIcon *animatedIcon() const { return m_icon; }

    // The time source of the clock; the system clock by default.
    void setClock(Clock clock);
    // Writes the time into the clock panel when its text differs.
    void tickClock();

    void setMousePosition(const QPoint &position);

    // The bar's own hint for a point of it; empty in simple-text mode.
    QString hintAt(const QPoint &position) const;

signals:
    // A panel's text was written.
    void panelWritten(int panel);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QLabel *createPanel(int width, Qt::Alignment alignment);
    int panelAt(const QPoint &position) const;
    void updateSimpleRow();

    QWidget *m_panelRow = nullptr;
    QWidget *m_simpleRow = nullptr;
    QLabel *m_panels[PanelCount] = {};
    QLabel *m_simpleLabel = nullptr;
    QWidget *m_gaugePanel = nullptr;
    Gauge *m_gauge = nullptr;
    AnimatedIcon *m_icon = nullptr;
    QTimer m_clockTimer;
    Clock m_clock;
    QString m_lastOwnHint;
    bool m_simpleMode = false;
    bool m_gaugeVisible = false;
};
