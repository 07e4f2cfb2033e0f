#pragma once

#include "app/settings/SettingsPage.h"

class QCheckBox;
class QComboBox;
class SettingsHost;
class ToolbarPlacePage;

// "Allgemein": the main window's place, size and state, the comment field's
// height, the tree's options, the hidden parts and the three toolbars.
class AllgemeinPage : public SettingsPage {
    Q_OBJECT

public:
    AllgemeinPage(const SettingsHost &host, QWidget *parent = nullptr);

    void load(const Settings &settings) override;
    bool store(Settings &settings) const override;

private:
    QWidget *buildMainWindowGroup();
    QWidget *buildTreeGroup();
    QWidget *buildFieldsGroup();

    const SettingsHost &m_host;
    QLineEdit *m_left = nullptr;
    QLineEdit *m_top = nullptr;
    QLineEdit *m_width = nullptr;
    QLineEdit *m_height = nullptr;
    QCheckBox *m_centred = nullptr;
    QComboBox *m_windowState = nullptr;
    QLineEdit *m_commentHeight = nullptr;
    QCheckBox *m_singleExpand = nullptr;
    QCheckBox *m_autoScroll = nullptr;
    QCheckBox *m_commentHidden = nullptr;
    QCheckBox *m_commandHidden = nullptr;
    QCheckBox *m_statusHidden = nullptr;
    ToolbarPlacePage *m_toolbars[3] = {};
};
