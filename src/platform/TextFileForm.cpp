#include "platform/TextFileForm.h"

#include "platform/TextFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace TextFile {

namespace {

struct Unicode {
    Form::Encoding encoding;
    QStringConverter::Encoding converter;
    QByteArrayView bom;
};

// UTF-32 first: its little-endian BOM begins with UTF-16's.
constexpr Unicode kUnicode[] = {
    {Form::Utf32LE, QStringConverter::Utf32LE, QByteArrayView("\xFF\xFE\0\0", 4)},
    {Form::Utf32BE, QStringConverter::Utf32BE, QByteArrayView("\0\0\xFE\xFF", 4)},
    {Form::Utf16LE, QStringConverter::Utf16LE, QByteArrayView("\xFF\xFE", 2)},
    {Form::Utf16BE, QStringConverter::Utf16BE, QByteArrayView("\xFE\xFF", 2)},
};

const Unicode *unicodeOf(Form::Encoding encoding)
{
    for (const Unicode &unicode : kUnicode) {
        if (unicode.encoding == encoding)
            return &unicode;
    }
    return nullptr;
}

// A BOM after the first is text; the converters keep it.
constexpr auto kKeepBom = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

void findLineBreaks(QStringView text, Form &form)
{
    form.lineBreak = QStringLiteral("\r\n");
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n')) {
            form.lineBreak = QStringLiteral("\n");
            break;
        }
        if (text[i] == QLatin1Char('\r')) {
            const bool crLf = i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
            form.lineBreak = crLf ? QStringLiteral("\r\n") : QStringLiteral("\r");
            break;
        }
    }
    form.finalLineBreak = text.isEmpty() || text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'));
}

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QString decodeKeepingForm(QByteArrayView bytes, Form &form)
{
    form = Form();
    QString text;
    const Unicode *unicode = nullptr;
    for (const Unicode &candidate : kUnicode) {
        if (bytes.startsWith(candidate.bom)) {
            unicode = &candidate;
            break;
        }
    }
    if (unicode) {
        form.encoding = unicode->encoding;
        QStringDecoder decoder(unicode->converter, kKeepBom);
        text = decoder(bytes.sliced(unicode->bom.size()));
    } else if (bytes.startsWith(utf8Bom) && bytes.isValidUtf8()) {
        form.encoding = Form::Utf8;
        form.byteOrderMark = true;
        QStringDecoder decoder(QStringConverter::Utf8, kKeepBom);
        text = decoder(bytes.sliced(utf8Bom.size()));
    } else {
        const Encoding detected = detect(bytes);
        if (detected == Encoding::Utf8 && !isAscii(bytes))
            form.encoding = Form::Utf8;
        text = decode(bytes, detected);
    }
    findLineBreaks(text, form);
    return text;
}

QByteArray encodeInForm(QStringView text, const Form &form)
{
    if (const Unicode *unicode = unicodeOf(form.encoding)) {
        QStringEncoder encoder(unicode->converter, kKeepBom);
        return unicode->bom.toByteArray() + QByteArray(encoder(text));
    }
    if (form.encoding == Form::Utf8)
        return form.byteOrderMark ? utf8Bom + text.toUtf8() : text.toUtf8();
    return readsBackAsWindows1252(text) ? toWindows1252(text) : utf8Bom + text.toUtf8();
}

} // namespace TextFile
