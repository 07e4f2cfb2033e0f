#include "archive/zip/ZipDirectory.h"

#include "archive/zip/Cp437Table.h"

#include <QStringDecoder>

namespace {

QString decodeCp437(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        text.append(byte < 0x80 ? QChar(byte) : QChar(Cp437UpperHalf[byte - 0x80]));
    }
    return text;
}

} // namespace

QString DecodeZipName(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? decodeCp437(bytes) : text;
}
