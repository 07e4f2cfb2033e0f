#include "platform/TextFile.h"

#include "platform/FileSystem.h"
#include "platform/SafeSave.h"

#include <QFile>
#include <QStringDecoder>

namespace TextFile {

namespace {
// Windows-1252 code points for bytes 0x80..0x9F; 0 where the code page has
// no character (those bytes map to the C1 control of the same number).
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

void decodeWindows1252Into(char16_t *out, QByteArrayView bytes)
{
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = b >= 0x80 && b < 0xA0 && kHigh[b - 0x80] != 0 ? kHigh[b - 0x80] : char16_t(b);
    }
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    decodeWindows1252Into(reinterpret_cast<char16_t *>(text.data()), bytes);
    return text;
}

int windows1252Byte(char16_t code)
{
    if (code < 0x80 || code >= 0xA0) {
        if (code <= 0xFF)
            return code;
    } else if (kHigh[code - 0x80] == 0) {
        return code;
    }
    for (int i = 0; i < 32; ++i) {
        if (kHigh[i] == code)
            return 0x80 + i;
    }
    return -1;
}

unsigned code(QChar ch)
{
    return ch.unicode();
}

unsigned code(char ch)
{
    return static_cast<unsigned char>(ch);
}

template <typename View>
View trimmedView(View line)
{
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && code(line[begin]) <= 32)
        ++begin;
    while (end > begin && code(line[end - 1]) <= 32)
        --end;
    return line.sliced(begin, end - begin);
}
} // namespace

Encoding detect(QByteArrayView bytes)
{
    return bytes.isValidUtf8() ? Encoding::Utf8 : Encoding::Windows1252;
}

QString decode(QByteArrayView bytes, Encoding encoding)
{
    return encoding == Encoding::Utf8 ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
}

QString decode(const QByteArray &bytes)
{
    QByteArrayView view(bytes);
    const Encoding encoding = detect(view);
    if (encoding == Encoding::Utf8 && view.startsWith(utf8Bom))
        view = view.sliced(utf8Bom.size());
    return decode(view, encoding);
}

bool fitsWindows1252(QStringView text)
{
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x80 && windows1252Byte(ch.unicode()) < 0)
            return false;
    }
    return true;
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar ch : text) {
        const int b = ch.unicode() < 0x80 ? ch.unicode() : windows1252Byte(ch.unicode());
        *out++ = static_cast<char>(b < 0 ? '?' : b);
    }
    return bytes;
}

bool readsBackAsWindows1252(QStringView text)
{
    if (!fitsWindows1252(text))
        return false;
    const QByteArray bytes = toWindows1252(text);
    return bytes.size() == text.toUtf8().size() || !bytes.isValidUtf8();
}

QByteArray encode(const QString &text)
{
    return readsBackAsWindows1252(text) ? toWindows1252(text) : utf8Bom + text.toUtf8();
}

QByteArray encodeLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    return encode(text);
}

bool writeLines(const QString &fileName, const QStringList &lines, QString *errorText)
{
    return WriteFileSafely(fileName, encodeLines(lines), errorText);
}

bool readBytes(const QString &path, QByteArray &bytes)
{
    QFile file;
    if (!FileSystem::openRegularFile(file, path))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool readText(const QString &path, QString &text)
{
    QByteArray bytes;
    if (!readBytes(path, bytes))
        return false;
    text = decode(bytes);
    return true;
}

bool forEachRawLine(const QString &path, const std::function<bool(QByteArrayView)> &onLine)
{
    QFile file;
    if (!FileSystem::openRegularFile(file, path))
        return false;
    constexpr qint64 kBlock = 1 << 20;
    QByteArray pending;
    bool skipLeadingLf = false;
    bool stopped = false;
    bool first = true;
    while (!stopped && !file.atEnd()) {
        QByteArray block = file.read(kBlock);
        if (block.isEmpty())
            return file.error() == QFileDevice::NoError;
        if (first && block.size() < utf8Bom.size() && !file.atEnd())
            block += file.read(utf8Bom.size());
        QByteArrayView data(block);
        if (first && data.startsWith(utf8Bom))
            data = data.sliced(utf8Bom.size());
        first = false;
        if (skipLeadingLf && data.startsWith('\n'))
            data = data.sliced(1);
        skipLeadingLf = false;
        qsizetype start = 0;
        for (qsizetype i = 0; i < data.size() && !stopped; ++i) {
            const char c = data[i];
            if (c != '\n' && c != '\r')
                continue;
            QByteArrayView line = data.sliced(start, i - start);
            if (!pending.isEmpty()) {
                pending.append(line);
                line = pending;
            }
            stopped = !onLine(line);
            pending.clear();
            if (c == '\r') {
                if (i + 1 < data.size() && data[i + 1] == '\n')
                    ++i;
                else if (i + 1 == data.size())
                    skipLeadingLf = true;
            }
            start = i + 1;
        }
        if (!stopped)
            pending.append(data.sliced(start));
    }
    if (file.error() != QFileDevice::NoError)
        return false;
    if (!stopped && !pending.isEmpty())
        onLine(pending);
    return true;
}

bool forEachLine(const QString &path, const std::function<bool(QStringView)> &onLine)
{
    // Line breaks cannot occur inside a UTF-8 sequence, so the file is valid
    // UTF-8 exactly when every line is.
    bool utf8 = true;
    const bool read = forEachRawLine(path, [&utf8](QByteArrayView line) {
        utf8 = line.isValidUtf8();
        return utf8;
    });
    if (!read)
        return false;
    QString buffer; // reused, so that lines cost no allocation
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return forEachRawLine(path, [&](QByteArrayView line) {
        if (buffer.size() < line.size())
            buffer.resize(line.size());
        QChar *out = buffer.data();
        qsizetype length = line.size();
        if (utf8)
            length = decoder.appendToBuffer(out, line) - out;
        else
            decodeWindows1252Into(reinterpret_cast<char16_t *>(out), line);
        return onLine(QStringView(out, length));
    });
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    forEachLineOf(QStringView(text), [&lines](QStringView line) {
        lines.append(line.toString());
        return true;
    });
    return lines;
}

QStringView trimmed(QStringView line)
{
    return trimmedView(line);
}

QByteArrayView trimmed(QByteArrayView line)
{
    return trimmedView(line);
}

} // namespace TextFile
