#include "platform/NativeNames.h"

namespace NativeNames {

namespace {

constexpr char16_t kFirstKept = 0xDC80;
constexpr char16_t kLastKept = 0xDCFF;

bool inRange(unsigned char byte, unsigned char low, unsigned char high)
{
    return byte >= low && byte <= high;
}

// Length of the valid UTF-8 sequence at bytes[at], 0 when there is none
// (overlong forms, surrogates and code points past U+10FFFF are invalid).
qsizetype sequenceLength(QByteArrayView bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[at + i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (inRange(lead, 0xC2, 0xDF)) {
        length = 2;
    } else if (inRange(lead, 0xE0, 0xEF)) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (inRange(lead, 0xF0, 0xF4)) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > bytes.size() || !inRange(byte(1), low, high))
        return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (!inRange(byte(i), 0x80, 0xBF))
            return 0;
    }
    return length;
}

// A kept byte: a low surrogate of the kept range that does not end a pair.
bool isKeptByte(QStringView name, qsizetype at)
{
    const char16_t unit = name[at].unicode();
    return unit >= kFirstKept && unit <= kLastKept && (at == 0 || !name[at - 1].isHighSurrogate());
}

} // namespace

QString decode(QByteArrayView bytes)
{
    QString name;
    qsizetype validFrom = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = sequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        if (name.isNull())
            name.reserve(bytes.size());
        name += QString::fromUtf8(bytes.sliced(validFrom, at - validFrom));
        name += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes[at])));
        validFrom = ++at;
    }
    if (validFrom == 0)
        return QString::fromUtf8(bytes);
    return name + QString::fromUtf8(bytes.sliced(validFrom));
}

QByteArray encode(QStringView name)
{
    QByteArray bytes;
    qsizetype textFrom = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (!isKeptByte(name, at))
            continue;
        bytes += name.sliced(textFrom, at - textFrom).toUtf8();
        bytes += char(name[at].unicode() - 0xDC00);
        textFrom = at + 1;
    }
    if (textFrom == 0)
        return name.toUtf8();
    return bytes + name.sliced(textFrom).toUtf8();
}

QString forDisplay(const QString &name)
{
    QString shown = name;
    for (qsizetype at = 0; at < shown.size(); ++at) {
        if (isKeptByte(name, at))
            shown[at] = QChar::ReplacementCharacter;
    }
    return shown;
}

} // namespace NativeNames
