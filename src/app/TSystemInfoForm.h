#pragma once

#include <QDialog>

// "Systeminformationen": processor, operating system, folders, user, memory
// and the drives with their sizes.
class TSystemInfoForm : public QDialog {
    Q_OBJECT

public:
    explicit TSystemInfoForm(QWidget *parent = nullptr);

private:
    QWidget *createGeneralGroup();
    QWidget *createMemoryGroup();
    QWidget *createDriveList();
};
