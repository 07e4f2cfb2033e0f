#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;
class SettingsHost;

// "Projekt": title, automatic expanding and images of the open project.
// Not part of the settings file: every change applies to the project at
// once and marks it modified. Without an open project the page is disabled.
class ProjektPage : public QWidget {
    Q_OBJECT

public:
    ProjektPage(SettingsHost &host, QWidget *parent = nullptr);

    // Shows the project's values without changing it.
    void load();

private:
    void Edit_PrjTitel_OnChange(const QString &text);
    void CheckBox_AutoExpandItems_OnClick(bool on);
    void CheckBox_ImagesVerwenden_OnClick(bool on);
    void Button_ImageListeBearbeiten_OnClick();

    SettingsHost &m_host;
    QLineEdit *m_title = nullptr;
    QCheckBox *m_autoExpand = nullptr;
    QCheckBox *m_images = nullptr;
    QPushButton *m_editImages = nullptr;
};
