#pragma once

#include <QWidget>

class QLabel;

// The window shown while the program starts: borderless, centred, on top,
// with the version and what start-up is doing. It steps aside while a modal
// dialog is open, which it would otherwise cover.
class TSplashForm : public QWidget {
    Q_OBJECT

public:
    explicit TSplashForm(QWidget *parent = nullptr);
    ~TSplashForm() override;

    // Shows the window centred on the screen and paints it at once.
    void showCentred();
    // Shows text in the status label and paints it at once.
    void setStatus(const QString &text);
    QString status() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_status = nullptr;
    int m_modalDialogs = 0;
};
