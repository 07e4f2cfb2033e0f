#pragma once

#include <QWidget>

// A progress gauge from 0 to 100 with the percentage written across it. It
// repaints only when the value changes.
class Gauge : public QWidget {
    Q_OBJECT

public:
    explicit Gauge(QWidget *parent = nullptr);

    int value() const { return m_value; }
    // Clamped to 0..100.
    void setValue(int percent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_value = 0;
};
