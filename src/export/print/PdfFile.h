#pragma once

#include "platform/SafeSave.h"

#include <QFile>
#include <QIODevice>
#include <QString>

#include <memory>

// Where a PDF goes. A file is written beside its target under a temporary
// name and renamed over it once complete, so that a failed or cancelled
// print leaves no file and an existing one whole. A device or pipe is
// written directly.
class PdfFile {
public:
    explicit PdfFile(const QString &fileName);
    ~PdfFile();
    PdfFile(const PdfFile &) = delete;
    PdfFile &operator=(const PdfFile &) = delete;

    // The device to write to; nullptr when the target cannot be opened.
    QIODevice *open();
    // Puts the file in place; false when any write failed.
    bool commit();
    // Drops what was written.
    void cancel();
    QString errorString() const { return m_error; }

private:
    class SaveDevice;

    QString m_fileName;
    std::unique_ptr<SafeSave> m_save;
    std::unique_ptr<QIODevice> m_device;
    QFile m_direct;
    QString m_error;
};
