#pragma once

#include <QString>

class QWidget;

// Where the command actions hand over to the file manager and the two
// extraction dialogs, which live above this library; the main window passes
// its implementation to RunCommandAction.
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
