#pragma once

#include "common/settings/Settings.h"

#include <QList>
#include <QString>

#include <functional>

class ProfileFile;

// How a value stands in the settings file.
enum class ValueForm {
    Integer,         // decimal, or hexadecimal after "0x"; outside its range keeps the value
    Boolean,         // "1"/"0"; any non-zero integer reads as true
    Text,            // as written
    BackupExtension, // a text given a leading "." and cut to 4 characters
    ToolbarPosition, // "defaultDock,dockedTo,left,top"; a part out of range changes nothing
    ExportArea,      // flag digit, comma, separator in double quotes
    PageFormat,      // "width,height"; kept when one of them is above 0
    ToolList,        // keys "1", "2", ... without gaps, each "caption,command"
};

// One key of the settings file: where it stands, its form and default, and
// how it maps onto Settings.
struct SettingKey {
    QString section;
    QString key; // empty for a section of numbered keys
    ValueForm form = ValueForm::Text;
    QString defaultText; // the default as the file holds it
    // The keys of one group (a toolbar's position and hidden flag) are
    // written together when one of them changed; 0 is no group.
    int group = 0;
    // Written on every save, changed or not.
    bool alwaysWritten = false;

    std::function<void(Settings &settings)> setDefault;
    // A missing key or a malformed value keeps what settings holds.
    std::function<void(const ProfileFile &file, Settings &settings)> read;
    std::function<void(ProfileFile &file, const Settings &settings)> write;
    std::function<bool(const Settings &a, const Settings &b)> differs;
};

// Every key of the settings file, in the order it is read and written.
const QList<SettingKey> &SettingsTable();

// The backup extension as it is used: a leading "." and at most 4
// characters; an empty text keeps current.
QString NormalizedBackupExtension(const QString &text, const QString &current);
