#include "common/settings/SettingsWriter.h"

#include "common/AppContext.h"
#include "common/FileUtils.h"
#include "common/settings/SettingsReader.h"
#include "common/settings/SettingsTable.h"
#include "platform/ProfileFile.h"
#include "platform/SafeSave.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

// A save replaces the file through a new one in the same folder.
bool canWriteFile(const QString &path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    return folder.isDir() && folder.isWritable() && (!info.exists() || info.isWritable());
}

bool isInstalledDataFile(const QString &path)
{
    const QString folder = QDir::cleanPath(QFileInfo(path).absolutePath());
    for (const QString &data : InstalledDataFolders()) {
        if (QDir::cleanPath(data) == folder)
            return true;
    }
    return false;
}

// The header line and one empty line, or a copy of copyOf.
bool createSettingsFile(const QString &target, const QString &copyOf)
{
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    if (!copyOf.isEmpty()) {
        ProfileFile copy;
        return copy.load(copyOf) && copy.saveAs(target);
    }
    return WriteFileSafely(target, TextFile::encode(ProjectFileFormat::iniHeader + QStringLiteral("\r\n\r\n")));
}

} // namespace

void WriteChangedSettings(ProfileFile &file, const Settings &current, const Settings &edited)
{
    const QList<SettingKey> &table = SettingsTable();
    QSet<int> changedGroups;
    for (const SettingKey &key : table) {
        if (key.group != 0 && key.differs(current, edited))
            changedGroups.insert(key.group);
    }
    for (const SettingKey &key : table) {
        if (key.alwaysWritten || changedGroups.contains(key.group) || key.differs(current, edited))
            key.write(file, edited);
    }
}

QString SettingsSaveTarget(const QString &inUse)
{
    if (inUse.isEmpty()) {
        const QString beside = AppContext::programDirectory() + DefaultSettingsFileName;
        return canWriteFile(beside) ? beside : UserSettingsFile();
    }
    if (isInstalledDataFile(inUse))
        return UserSettingsFile();
    return inUse;
}

SettingsSave SaveSettings(const QString &inUse, const Settings &current, const Settings &edited)
{
    const QString target = SettingsSaveTarget(inUse);
    if (!IsSettingsFile(target)) {
        const QString copyOf = target != inUse && IsSettingsFile(inUse) ? inUse : QString();
        if (!createSettingsFile(target, copyOf))
            return {SettingsSaveResult::NotCreated, target};
    }
    ProfileFile file;
    if (!file.load(target))
        return {SettingsSaveResult::NotWritten, target};
    WriteChangedSettings(file, current, edited);
    if (!file.save())
        return {SettingsSaveResult::NotWritten, target};
    return {SettingsSaveResult::Saved, target};
}
