#pragma once

#include "common/settings/Settings.h"

#include <QString>

class ProfileFile;

// Writes into file, in the order of the settings table, every key whose
// value differs between current and edited (with the other keys of its
// group) and the keys that are always written. Other lines stay as they are.
void WriteChangedSettings(ProfileFile &file, const Settings &current, const Settings &edited);

// The file Save writes: the settings file in use; with none in use, a new
// one beside the program, or in the user's configuration folder when the
// program's folder cannot be written; for the shared default file of an
// installation that the user cannot change, the user's own file.
QString SettingsSaveTarget(const QString &inUse);

enum class SettingsSaveResult {
    Saved,
    NotCreated, // a missing or foreign file could not be made anew
    NotWritten, // the keys could not be written; the file is as it was
};

struct SettingsSave {
    SettingsSaveResult result = SettingsSaveResult::Saved;
    QString fileName; // the file written, or the one that failed
};

// Saves the changes from current to edited into SettingsSaveTarget(inUse).
// A target that is missing or lacks the header line is first made anew:
// the header line and one empty line, or a copy of inUse when the target is
// the user's file taking its place.
SettingsSave SaveSettings(const QString &inUse, const Settings &current, const Settings &edited);
