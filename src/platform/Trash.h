#pragma once

#include <QString>

// The freedesktop trash. A file on the file system of the user's data folder
// goes to $XDG_DATA_HOME/Trash (~/.local/share/Trash when that is not set),
// made when missing; a file on another medium to the medium's .Trash/UID
// (when .Trash is a real folder with the sticky bit) or .Trash-UID, made
// when missing. Nothing else is ever used, so a file never lands in an
// unexpected place.
namespace Trash {

// Moves path (an absolute path to a file, link or folder, moved as itself)
// to its trash with the information that restores it. False when no trash
// takes it; path is then where it was.
bool moveToTrash(const QString &path);

} // namespace Trash
