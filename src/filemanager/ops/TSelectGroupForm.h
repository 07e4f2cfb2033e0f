#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

// "Guppe markieren": asks for the pattern that extends the file manager's
// selection (see FindGroupNames).
class TSelectGroupForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 50110;

    explicit TSelectGroupForm(QWidget *parent = nullptr);

    QString pattern() const;
    bool excludeFolders() const;

private:
    void Button_Uebernehmen_OnClick();

    QLineEdit *m_pattern = nullptr;
    QCheckBox *m_excludeFolders = nullptr;
};
