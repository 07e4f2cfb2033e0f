#pragma once

#include <QByteArrayView>
#include <QString>

namespace TextFile {

// The form a text file was written in: its encoding, byte-order mark and
// line breaks, so that a file written back keeps it.
struct Form {
    enum Encoding {
        Program, // Windows-1252 when the text reads back so, else UTF-8 with a BOM
        Utf8,
        Utf16LE,
        Utf16BE,
        Utf32LE,
        Utf32BE,
    };
    Encoding encoding = Program;
    bool byteOrderMark = false;                 // UTF-8 only: the UTF-16/32 forms always have one
    QString lineBreak = QStringLiteral("\r\n"); // the first line break of the file
    bool finalLineBreak = true;                 // whether its last line ends with one
};

// bytes as text, line breaks kept: UTF-16 and UTF-32 recognised by their BOM,
// else UTF-8 when the bytes are valid UTF-8 (a BOM is dropped), else
// Windows-1252. form gets how
// the bytes were written; an ASCII file takes the program's form.
QString decodeKeepingForm(QByteArrayView bytes, Form &form);
// text, line breaks as they stand, in form's encoding with its BOM.
// Windows-1252 is used only where the text reads back as itself.
QByteArray encodeInForm(QStringView text, const Form &form);

} // namespace TextFile
