#pragma once

class FolderListBox;
class Gauge;
class QCheckBox;
class QComboBox;
class QDialog;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The controls of the copy / move dialog, laid out on it.
struct CopyMoveParts {
    QLabel *count = nullptr;
    QLabel *sourceFolder = nullptr;
    QLineEdit *target = nullptr;
    FolderListBox *tree = nullptr;
    QComboBox *drives = nullptr;
    QLabel *driveLabel = nullptr;
    QCheckBox *askOverride = nullptr;
    QCheckBox *carryAttributes = nullptr;
    QPushButton *start = nullptr;
    QFrame *step2 = nullptr;
    QFrame *step3 = nullptr;
    QLabel *sourceFile = nullptr;
    QLabel *targetFile = nullptr;
    Gauge *gauge = nullptr;
    QPushButton *abort = nullptr;
};

CopyMoveParts BuildCopyMoveParts(QDialog *dialog, bool copyMode, int helpContext);
