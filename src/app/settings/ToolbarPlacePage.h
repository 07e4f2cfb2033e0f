#pragma once

#include "app/settings/SettingsHost.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;

// The sub-page of one toolbar on the page "Allgemein": hidden, default dock,
// the dock it sits in and its position; "Akt. Werte" takes the toolbar's
// state as it is now.
class ToolbarPlacePage : public QWidget {
    Q_OBJECT

public:
    ToolbarPlacePage(const SettingsHost &host, int toolbar, QWidget *parent = nullptr);

    void load(const ToolbarState &state);
    // False when a position edit holds no number.
    bool store(ToolbarState &state) const;

private:
    void Button_AktWerte_OnClick();

    const SettingsHost &m_host;
    int m_toolbar;
    QCheckBox *m_hidden = nullptr;
    QComboBox *m_defaultDock = nullptr;
    QComboBox *m_dockedTo = nullptr;
    QLineEdit *m_left = nullptr;
    QLineEdit *m_top = nullptr;
};
