#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// "Verzeichnis erstellen": makes a subfolder of the file manager's folder.
// Accepted once it exists; the file manager then reads its folder again.
class TMkDirForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 50200;

    explicit TMkDirForm(const QString &folder, QWidget *parent = nullptr);

private:
    void Button_Erstellen_OnClick();
    void refocus();

    QString m_folder;
    QLineEdit *m_name = nullptr;
};
