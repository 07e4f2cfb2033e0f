#pragma once

#include <QString>

// Checks one entry being loaded against the file system: does its command
// name something that exists, and does that fit its action? Returns the
// problem line, or an empty text.
QString CheckEntryCommand(int entryNumber, const QString &command, int action, const QString &drive);
