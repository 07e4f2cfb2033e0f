#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text files of the program: read as UTF-8 when the bytes are valid UTF-8
// (a BOM is skipped), else as Windows-1252; written as Windows-1252 with
// CR LF when every character fits, else as UTF-8 with a BOM.
namespace TextFile {

QString decode(const QByteArray &bytes);

// Windows-1252 bytes when every character fits; else UTF-8 with a BOM.
QByteArray encode(const QString &text);

// Whole file as text; false when it cannot be opened or read.
bool readText(const QString &path, QString &text);

// Lines of a text; CR LF, LF and a lone CR end a line. A final line break
// does not start another line.
QStringList splitLines(const QString &text);

// Calls onLine(line) for each line of text until it returns false.
template <typename F>
void forEachLineOf(QStringView text, F &&onLine)
{
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        if (!onLine(text.mid(start, end - start)))
            return;
        if (end + 1 < size && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n'))
            ++end;
        start = end + 1;
    }
}

// The same for a file; false when it cannot be opened or read.
template <typename F>
bool forEachLine(const QString &path, F &&onLine)
{
    QString text;
    if (!readText(path, text))
        return false;
    forEachLineOf(text, onLine);
    return true;
}

// Trims blanks and control characters (code 32 and below) at both ends.
QStringView trimmed(QStringView line);

} // namespace TextFile
