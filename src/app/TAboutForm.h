#pragma once

#include <QDialog>

// "Infos": program name, version and the libraries it is built on.
class TAboutForm : public QDialog {
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);
};
