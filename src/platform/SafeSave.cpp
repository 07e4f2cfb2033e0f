#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <unistd.h>

namespace FileSystem {

QString linkTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

bool makeBackupCopy(const QString &source, const QString &backup)
{
    const QString real = linkTarget(source);
    QString temporary;
    {
        QTemporaryFile placeholder(backup + QStringLiteral(".XXXXXX"));
        if (!placeholder.open())
            return false;
        temporary = placeholder.fileName();
    }
    const QByteArray from = QFile::encodeName(real);
    const QByteArray to = QFile::encodeName(temporary);
    bool made = ::link(from.constData(), to.constData()) == 0;
    if (!made) {
        SafeSave copy(temporary);
        QFile in(real);
        made = copy.open() && in.open(QIODevice::ReadOnly);
        while (made && !in.atEnd()) {
            const QByteArray block = in.read(1 << 20);
            made = in.error() == QFileDevice::NoError && copy.write(block);
        }
        made = made && copy.commit();
        if (made)
            QFile::setPermissions(temporary, QFileInfo(real).permissions());
    }
    if (made && ::rename(to.constData(), QFile::encodeName(backup).constData()) == 0)
        return true;
    ::unlink(to.constData());
    return false;
}

} // namespace FileSystem

SafeSave::SafeSave(const QString &fileName)
    : m_target(FileSystem::linkTarget(fileName))
    , m_file(m_target)
{
}

SafeSave::~SafeSave()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool SafeSave::open()
{
    const QFileInfo old(m_target);
    const bool existed = old.exists();
    const QFileDevice::Permissions mode = old.permissions();
    m_ok = m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    if (m_ok && existed)
        m_file.setPermissions(mode);
    return m_ok;
}

bool SafeSave::write(QByteArrayView bytes)
{
    if (!m_ok)
        return false;
    m_ok = m_file.write(bytes.data(), bytes.size()) == bytes.size() && m_file.flush()
           && m_file.error() == QFileDevice::NoError;
    return m_ok;
}

bool SafeSave::commit()
{
    m_ok = m_ok && m_file.isOpen() && m_file.flush() && m_file.error() == QFileDevice::NoError
           && ::fsync(m_file.handle()) == 0;
    if (!m_ok) {
        cancel();
        return false;
    }
    return m_file.commit();
}

void SafeSave::cancel()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
    m_ok = false;
}
