#pragma once

#include <QStringList>

// Drives are mounted volumes: the drive of a path is the volume whose root is
// its longest leading part. The table can be replaced for tests.
namespace Volumes {

// Roots of the mounted volumes, each without a trailing "/" except "/".
QStringList roots();

// Drive list shown to the user: the volume roots plus the home folder.
QStringList driveList();

// Root of the volume holding path (which need not exist); "/" at worst.
QString volumeOf(const QString &path);

// Same volume? Roots compare as the file system compares names.
bool sameVolume(const QString &rootA, const QString &rootB);

// root + "/" + rest, without doubling the separator.
QString joinOnVolume(const QString &root, const QString &rest);

// Replaces the mounted volumes by the given roots (tests); an empty list
// goes back to the real table.
void setRootsForTesting(const QStringList &roots);

} // namespace Volumes
