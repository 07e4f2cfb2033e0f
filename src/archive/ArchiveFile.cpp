#include "archive/ArchiveFile.h"

#include "archive/safety/RegularFile.h"
#include "platform/NativeNames.h"

#include <QFile>

#include <unistd.h>

bool OpenArchiveFile(QFile &file, const QString &fileName)
{
    const int fd = OpenRegularFile(NativeNames::encode(fileName).constData());
    if (fd < 0)
        return false;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}
