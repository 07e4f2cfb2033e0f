#include "platform/TextFile.h"

#include <QFile>
#include <QStringDecoder>

namespace TextFile {

namespace {
// Windows-1252 code points for bytes 0x80..0x9F; 0 where the code page has
// no character (those bytes map to the C1 control of the same number).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

QString decodeCp1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        char16_t code = b;
        if (b >= 0x80 && b < 0xA0 && kCp1252High[b - 0x80] != 0)
            code = kCp1252High[b - 0x80];
        *out++ = QChar(code);
    }
    return text;
}

int cp1252Byte(char16_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return code;
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] == code)
            return 0x80 + i;
    }
    if (code >= 0x80 && code < 0xA0 && kCp1252High[code - 0x80] == 0)
        return code;
    return -1;
}

constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
} // namespace

QString decode(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith(kUtf8Bom))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    return decodeCp1252(bytes);
}

QByteArray encode(const QString &text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar ch : text) {
        const int b = cp1252Byte(ch.unicode());
        if (b < 0)
            return QByteArray(kUtf8Bom) + text.toUtf8();
        *out++ = static_cast<char>(b);
    }
    return bytes;
}

bool readText(const QString &path, QString &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    text = decode(bytes);
    return true;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    forEachLineOf(text, [&lines](QStringView line) {
        lines.append(line.toString());
        return true;
    });
    return lines;
}

QStringView trimmed(QStringView line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && line[begin].unicode() <= 32)
        ++begin;
    while (end > begin && line[end - 1].unicode() <= 32)
        --end;
    return line.mid(begin, end - begin);
}

} // namespace TextFile
