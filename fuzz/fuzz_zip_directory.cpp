// libFuzzer target: any bytes as a ZIP archive's directory must be read
// without a crash or a hang: either a list of entries whose sizes are not
// negative and whose count the bytes could hold, or one of the reading
// errors; and reading the same bytes twice gives the same list.
#include "archive/zip/ZipDirectory.h"

#include <QBuffer>
#include <QCoreApplication>

#include <cstdlib>
#include <optional>

namespace {

constexpr qint64 kCentralEntrySize = 46;

std::optional<QList<ZipDirEntry>> read(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    try {
        return ReadZipDirectory(buffer);
    } catch (const ZipDirectoryError &) {
        return std::nullopt;
    }
}

bool same(const QList<ZipDirEntry> &a, const QList<ZipDirEntry> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].fileName != b[i].fileName || a[i].compressedSize != b[i].compressedSize
            || a[i].uncompressedSize != b[i].uncompressedSize || a[i].dosDateTime != b[i].dosDateTime)
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<QList<ZipDirEntry>> entries = read(bytes);
    if (!entries)
        return 0;
    if (entries->size() * kCentralEntrySize > bytes.size())
        std::abort();
    for (const ZipDirEntry &entry : *entries) {
        if (entry.compressedSize < 0 || entry.uncompressedSize < 0)
            std::abort();
    }
    const std::optional<QList<ZipDirEntry>> again = read(bytes);
    if (!again || !same(*entries, *again))
        std::abort();
    return 0;
}
