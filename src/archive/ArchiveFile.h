#pragma once

class QFile;
class QString;

// Opens fileName for reading when it is a regular file, without blocking on
// a named pipe or a device; false for anything else.
bool OpenArchiveFile(QFile &file, const QString &fileName);
