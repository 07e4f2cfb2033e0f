#include "common/editor/TextDocumentFile.h"

#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <QFile>

namespace {

// The editor holds a file's text several times over (decoded, in its
// widget, for undo), so a file takes this many times its size.
constexpr qint64 kMemoryPerByte = 16;

bool hasNul(QStringView text)
{
    return text.contains(QChar(0));
}

bool isUnicodeWithBom(const TextFile::Form &form)
{
    return form.encoding != TextFile::Form::Program && form.encoding != TextFile::Form::Utf8;
}

// Every line break as "\n"; a final one is dropped, as it ends the last line.
QString withNewlines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

// Whether text, lines ended by "\n", stays within the line limits.
TextReadResult checkLines(QStringView text, const EditorLimits &limits)
{
    qsizetype lines = 1;
    qsizetype start = 0;
    for (qsizetype at = text.indexOf(QLatin1Char('\n')); at >= 0; at = text.indexOf(QLatin1Char('\n'), start)) {
        if (at - start > limits.lineLength)
            return TextReadResult::LineTooLong;
        if (++lines > limits.lines)
            return TextReadResult::TooManyLines;
        start = at + 1;
    }
    return text.size() - start > limits.lineLength ? TextReadResult::LineTooLong : TextReadResult::Read;
}

} // namespace

EditorLimits EditorLimitsFor(qint64 availableMemory)
{
    EditorLimits limits;
    if (availableMemory >= 0)
        limits.bytes = qMin(limits.bytes, availableMemory / kMemoryPerByte);
    return limits;
}

bool EditorCanHold(QStringView text)
{
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code == QChar::ParagraphSeparator || code == 0xFDD0 || code == 0xFDD1)
            return false;
    }
    return true;
}

TextReadResult ReadTextDocument(const QString &fileName, TextDocument &document, const EditorLimits &limits)
{
    QFile file;
    if (!FileSystem::openRegularFile(file, fileName))
        return TextReadResult::NotFound;
    if (file.size() > limits.bytes)
        return TextReadResult::TooLarge;
    TextDocument read;
    read.stamp = FileSystem::stampOf(fileName);
    read.readBytes.reserve(file.size());
    // Read to the end, not to the size: the file may grow while it is read,
    // and files of the system report no size.
    for (;;) {
        const QByteArray block = file.read(1 << 20);
        if (file.error() != QFileDevice::NoError)
            return TextReadResult::NotFound;
        if (block.isEmpty())
            break;
        read.readBytes += block;
        if (read.readBytes.size() > limits.bytes)
            return TextReadResult::TooLarge;
    }
    const QString decoded = TextFile::decodeKeepingForm(read.readBytes, read.form);
    if (isUnicodeWithBom(read.form) ? hasNul(decoded) : read.readBytes.contains('\0'))
        return TextReadResult::Binary;
    const bool faithful = EditorCanHold(decoded) && TextFile::encodeInForm(decoded, read.form) == read.readBytes;
    read.text = withNewlines(decoded);
    const TextReadResult lines = checkLines(read.text, limits);
    if (lines != TextReadResult::Read)
        return lines;
    read.readText = read.text;
    document = std::move(read);
    return faithful ? TextReadResult::Read : TextReadResult::ReadOnly;
}

QByteArray EncodeTextDocument(const TextDocument &document)
{
    if (document.text == document.readText && !document.readBytes.isEmpty())
        return document.readBytes;
    QString text = document.text;
    text.replace(QLatin1Char('\n'), document.form.lineBreak);
    if (!text.isEmpty() && document.form.finalLineBreak)
        text += document.form.lineBreak;
    return TextFile::encodeInForm(text, document.form);
}

bool SaveTextDocument(const QString &fileName, TextDocument &document, QString *errorText)
{
    const QByteArray bytes = EncodeTextDocument(document);
    if (!WriteFileSafely(fileName, bytes, errorText))
        return false;
    document.readBytes = bytes;
    document.readText = document.text;
    document.stamp = FileSystem::stampOf(fileName);
    return true;
}
