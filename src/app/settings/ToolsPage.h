#pragma once

#include "app/settings/SettingsPage.h"

class QLabel;
class QTableWidget;

// "Tools": the programs of the Tools menu as a grid of number, name and
// command line, always with an empty row at the end. Cells are edited in
// place; the buttons add and remove the last row and move a row's cells.
class ToolsPage : public SettingsPage {
    Q_OBJECT

public:
    explicit ToolsPage(QWidget *parent = nullptr);

    void load(const Settings &settings) override;
    // Rows with a name or a command, in their order.
    bool store(Settings &settings) const override;

private:
    void appendRow(const QString &name, const QString &command);
    void swapWith(int offset);
    void updateState();
    void Button_Hinzufuegen_OnClick();
    void Button_Entfernen_OnClick();

    QTableWidget *m_grid = nullptr;
    QLabel *m_state = nullptr;
};
