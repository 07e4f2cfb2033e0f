#include "export/print/PdfFile.h"

#include <QFileInfo>

// Collects the writer's many small pieces into large blocks for SafeSave.
class PdfFile::SaveDevice : public QIODevice {
public:
    explicit SaveDevice(SafeSave &save)
        : m_save(save)
    {
        open(QIODevice::WriteOnly);
    }

    bool flushBlock()
    {
        const bool ok = m_save.write(m_block);
        m_block.clear();
        return ok;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        m_block.append(data, length);
        if (m_block.size() >= kBlock && !flushBlock())
            return -1;
        return length;
    }

private:
    static constexpr qsizetype kBlock = 1 << 20;
    SafeSave &m_save;
    QByteArray m_block;
};

PdfFile::PdfFile(const QString &fileName)
    : m_fileName(fileName)
{
}

PdfFile::~PdfFile()
{
    cancel();
}

QIODevice *PdfFile::open()
{
    const QFileInfo target(m_fileName);
    if (target.exists() && !target.isFile() && !target.isDir()) {
        m_direct.setFileName(m_fileName);
        if (!m_direct.open(QIODevice::WriteOnly)) {
            m_error = m_direct.errorString();
            return nullptr;
        }
        return &m_direct;
    }
    m_save = std::make_unique<SafeSave>(m_fileName);
    if (!m_save->open()) {
        m_error = m_save->errorString();
        m_save.reset();
        return nullptr;
    }
    m_device = std::make_unique<SaveDevice>(*m_save);
    return m_device.get();
}

bool PdfFile::commit()
{
    if (m_direct.isOpen()) {
        const bool ok = m_direct.flush() && m_direct.error() == QFileDevice::NoError;
        m_error = m_direct.errorString();
        m_direct.close();
        return ok;
    }
    if (!m_save)
        return false;
    const bool ok = static_cast<SaveDevice *>(m_device.get())->flushBlock() && m_save->commit();
    if (!ok)
        m_error = m_save->errorString();
    m_device.reset();
    m_save.reset();
    return ok;
}

void PdfFile::cancel()
{
    m_direct.close();
    m_device.reset();
    if (m_save)
        m_save->cancel();
    m_save.reset();
}
