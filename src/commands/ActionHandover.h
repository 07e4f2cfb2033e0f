#pragma once

#include <QString>

class QWidget;

// Where the command actions hand over to the file manager and the two
// extraction dialogs. Each runs modally and returns when it is closed.

// Opens the file manager on CommandActions::startCommandLine().
void OpenFileManager(QWidget *owner);
// Opens the RAR or ZIP extraction dialog for archiveName.
void OpenRarExtraction(QWidget *owner, const QString &archiveName);
void OpenZipExtraction(QWidget *owner, const QString &archiveName);
