#pragma once

#include "platform/NativeNames.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <fcntl.h>

// The whole content of path, named by its bytes; empty when it cannot be read.
inline QByteArray FileBytes(const QString &path)
{
    const int fd = ::open(NativeNames::encode(path).constData(), O_RDONLY | O_CLOEXEC);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return QByteArray();
    return file.readAll();
}
