#pragma once

#include <QLabel>

// A one-line label for texts of any length: what does not fit is left out
// in the middle ("Anfang…Ende") and the whole text shows as its tooltip.
// text() stays the whole text; the label asks for no more room than a
// short text needs.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(const QString &text = {}, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // The text as it is drawn at the current width.
    QString shownText() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;
};
