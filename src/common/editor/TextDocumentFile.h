#pragma once

#include "platform/TextFile.h"

#include <QString>

// A text file as the editor holds it: the text with "\n" line breaks and how
// the file was written, so that saving keeps its encoding and line breaks.
struct TextDocument {
    QString text;
    TextFile::Encoding encoding = TextFile::Encoding::Windows1252;
    bool byteOrderMark = false;
    QString lineBreak = QStringLiteral("\r\n");
};

// Reads fileName: UTF-8 when the bytes are valid UTF-8 (a BOM is skipped),
// else Windows-1252; the first line break found is kept for saving. False
// when the file is not a readable file.
bool ReadTextDocument(const QString &fileName, TextDocument &document);

// The bytes of document as they are saved: every line followed by the line
// break, in the document's encoding. Windows-1252 text holding a character
// that does not fit is written as UTF-8 with a BOM instead.
QByteArray EncodeTextDocument(const TextDocument &document);

// Replaces fileName by bytes through a temporary file that takes its place
// only when everything was written and flushed; a failure leaves the old file
// as it was. errorText gets the system's reason on failure.
bool WriteFileSafely(const QString &fileName, const QByteArray &bytes, QString *errorText = nullptr);

// Lines joined by CR LF (each line ending with one) in Windows-1252 when every
// character fits, else UTF-8 with a BOM.
QByteArray EncodeTextLines(const QStringList &lines);

// Reports a failed save: "Fehler: Datei nicht gespeichert..." naming the file
// and the reason. Help context 80580.
void ShowSaveFailure(const QString &fileName, const QString &reason);
