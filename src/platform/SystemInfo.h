#pragma once

#include <QList>
#include <QString>

// Figures about the machine for the system information dialog.
namespace SystemInfo {

// Sizes in bytes; -1 where the system does not tell.
struct Memory {
    qint64 total = -1;
    qint64 available = -1;
    qint64 swapTotal = -1;
    qint64 swapFree = -1;
};

struct Drive {
    QString root;
    QString fileSystem;
    qint64 total = -1;
    qint64 free = -1;
};

// The text of /proc/meminfo ("MemTotal:  16314612 kB" lines).
Memory parseMemInfo(const QString &text);
Memory memory();

// Model name of the processor, else its architecture.
QString processorName();
int processorCount();
QString operatingSystem();
QString userName();

// The drives of the drive list with their sizes.
QList<Drive> drives();

} // namespace SystemInfo
