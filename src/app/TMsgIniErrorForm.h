#pragma once

#include "common/settings/SettingsReader.h"

#include <QDialog>

// Tells that the settings file is missing or not the program's own, and lets
// the user take the defaults, choose another file or end the program. While
// it is open the default help file, when it can be found, is the help file.
class TMsgIniErrorForm : public QDialog {
    Q_OBJECT

public:
    // Results besides QDialog::Rejected (Abbrechen, or closing the window).
    enum Result { UseDefaults = 2, FileChosen = 3 };

    TMsgIniErrorForm(SettingsFileProblem problem, const QString &fileName, QWidget *parent = nullptr);
    ~TMsgIniErrorForm() override;

    int helpContext() const { return m_helpContext; }
    // The file picked with "Durchsuchen" (result FileChosen).
    QString chosenFile() const { return m_chosenFile; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Button_Standardwerte_OnClick();
    void Button_Durchsuchen_OnClick();

    int m_helpContext = 0;
    QString m_chosenFile;
    QString m_previousHelpFile;
};

// Checks iniFile (looked up like a program file) until it is a settings file
// or the user takes the defaults (iniFile then empty); both return true.
// False when the user cancels: the program is to end.
bool CheckSettingsFile(QString &iniFile);
