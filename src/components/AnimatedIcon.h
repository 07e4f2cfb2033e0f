#pragma once

#include <QTimer>
#include <QWidget>

// A small turning globe that shows the program is alive.
class AnimatedIcon : public QWidget {
    Q_OBJECT

public:
    static constexpr int kFrameCount = 12;

    explicit AnimatedIcon(QWidget *parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    int frame() const { return m_frame; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void nextFrame();

    QTimer m_timer;
    int m_frame = 0;
};
