#pragma once

#include <QString>
#include <QStringList>

// What the file manager hands to its dialogs (copy, move, delete, properties):
// the folder it shows and the names selected in it.
struct FileManagerSelection {
    QString folder;    // the shown folder, with a trailing separator
    QStringList names; // selected file and folder names in folder
};
