#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

// Text files of the program: read as UTF-8 when the bytes are valid UTF-8
// (a BOM is skipped), else as Windows-1252; written as Windows-1252 with
// CR LF when every character fits, else as UTF-8 with a BOM.
namespace TextFile {

enum class Encoding { Utf8, Windows1252 };

// How bytes read from a file are to be decoded.
Encoding detect(QByteArrayView bytes);
QString decode(QByteArrayView bytes, Encoding encoding);
QString decode(const QByteArray &bytes);

// Whether every character fits into Windows-1252.
bool fitsWindows1252(QStringView text);
// text in Windows-1252; characters that do not fit become "?".
QByteArray toWindows1252(QStringView text);
// Whether text written in Windows-1252 reads back as the same text: every
// character fits, and the bytes are not valid UTF-8 unless they are ASCII.
bool readsBackAsWindows1252(QStringView text);
// Windows-1252 bytes when they read back as text; else UTF-8 with a BOM.
QByteArray encode(const QString &text);
inline const QByteArray utf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
// Lines each ended by CR LF, encoded as encode() does.
QByteArray encodeLines(const QStringList &lines);
// Writes lines as encodeLines() gives them, replacing fileName only once
// all was written (WriteFileSafely); errorText gets the reason on failure.
bool writeLines(const QString &fileName, const QStringList &lines, QString *errorText = nullptr);

// Whole file as bytes or text; false when it cannot be opened or read.
bool readBytes(const QString &path, QByteArray &bytes);
bool readText(const QString &path, QString &text);

// Calls onLine(line) for each line of text (a QStringView or QByteArrayView)
// until it returns false. CR LF, LF and a lone CR end a line; a final line
// break does not start another line.
template <typename View, typename F>
void forEachLineOf(View text, F &&onLine)
{
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != '\n' && text[end] != '\r')
            ++end;
        if (!onLine(text.sliced(start, end - start)))
            return;
        if (end + 1 < size && text[end] == '\r' && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
}

// Streams the lines of a file as undecoded bytes to onLine until it returns
// false; a BOM before the first line is skipped. False when the file cannot
// be opened or read; only regular files are opened.
bool forEachRawLine(const QString &path, const std::function<bool(QByteArrayView)> &onLine);

// The same, decoded: UTF-8 when the whole file is valid UTF-8, else
// Windows-1252.
bool forEachLine(const QString &path, const std::function<bool(QStringView)> &onLine);

QStringList splitLines(const QString &text);

// Trims blanks and control characters (code 32 and below) at both ends.
QStringView trimmed(QStringView line);
QByteArrayView trimmed(QByteArrayView line);

} // namespace TextFile
