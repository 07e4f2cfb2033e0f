#pragma once

#include <QObject>

class QWidget;
class TMainForm;

// The main window's "Auto-Öffnen" and image list commands.
class ProjectToolCommands : public QObject {
    Q_OBJECT

public:
    explicit ProjectToolCommands(TMainForm &form);

    void MainMenu_Projektdatei_AutoOeffnen_OnClick();
    void MainMenu_Bearbeiten_ImagelisteBearbeiten_OnClick();

private:
    TMainForm &m_form;
};

// The image list editor over owner on the open project; every change shows
// in the tree at once and marks the project modified.
void EditProjectImages(TMainForm &form, QWidget *owner);
