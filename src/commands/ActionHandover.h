#pragma once

#include <QString>

class QWidget;

// Where the command actions hand over to the file manager and the two
// extraction dialogs. The program installs its implementation at start-up;
// until then (and in tests that install none) a notice says that the
// function is not available.
class ActionHandover {
public:
    virtual ~ActionHandover() = default;

    // Shows the file manager modally on startCommandLine, the raw command
    // text that it expands itself.
    virtual void openFileManager(QWidget *owner, const QString &startCommandLine) = 0;
    // Shows the RAR or ZIP extraction dialog for the expanded archiveName.
    virtual void openRarExtraction(QWidget *owner, const QString &archiveName) = 0;
    virtual void openZipExtraction(QWidget *owner, const QString &archiveName) = 0;
};

// The installed hand-over, or the notice when none is installed.
ActionHandover &CurrentActionHandover();
// Installs handover (nullptr: the notice) and returns the previous one.
ActionHandover *SetActionHandover(ActionHandover *handover);

// The notice for a function that is not part of this build.
void ShowNotAvailable(const QString &what, const QString &fileName);
