#pragma once

#include <QObject>

class TMainForm;

// "Ordner einlesen": proposes entries for what a folder or a whole medium
// holds and adds the ones the user keeps below the current entry.
class CatalogueCommands : public QObject {
    Q_OBJECT

public:
    explicit CatalogueCommands(TMainForm &form);

    void MainMenu_Bearbeiten_OrdnerEinlesen_OnClick();

private:
    TMainForm &m_form;
};
