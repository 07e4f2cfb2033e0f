#pragma once

#include "app/settings/SettingsPage.h"

// "Dateien": the start project, the start macro and the help file.
class DateienPage : public SettingsPage {
    Q_OBJECT

public:
    explicit DateienPage(QWidget *parent = nullptr);

    void load(const Settings &settings) override;
    bool store(Settings &settings) const override;

private:
    QLineEdit *m_project = nullptr;
    QLineEdit *m_macro = nullptr;
    QLineEdit *m_help = nullptr;
};
