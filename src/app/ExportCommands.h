#pragma once

#include <QObject>

class TMainForm;

// The main window's commands that only read the project: the text editor on
// the project file, statistics, the print export and the text export.
class ExportCommands : public QObject {
    Q_OBJECT

public:
    explicit ExportCommands(TMainForm &form);

    void MainMenu_Projektdatei_Editieren_OnClick();
    void MainMenu_Projektdatei_Statistik_OnClick();
    void MainMenu_Projektdatei_Export_Drucken_OnClick();
    void MainMenu_Projektdatei_Export_Textdatei_OnClick();

private:
    TMainForm &m_form;
};
