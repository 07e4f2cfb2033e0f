#pragma once

#include "platform/SafeSave.h"
#include "platform/TextFileForm.h"

#include <QByteArray>
#include <QString>

// A text file as the editor holds it: the text with "\n" line breaks, the
// form the file was written in and the bytes it held, so that saving keeps
// encoding and line breaks and an unchanged text is written back byte for
// byte.
struct TextDocument {
    QString text;
    TextFile::Form form;
    QString readText;        // the text as read
    QByteArray readBytes;    // the bytes it was read from
    FileSystem::Stamp stamp; // the file as it stood when read or saved
};

enum class TextReadResult {
    Read,
    ReadOnly, // read, but the editor's text cannot hold it unchanged
    NotFound, // missing, a folder or unreadable
    TooLarge, // larger than the limit; not read
    Binary,   // holds NUL characters; not kept
};

// Files up to this size are edited: 64 MB, less where memory is short
// (availableMemory below 0: unknown).
qint64 EditorSizeLimit(qint64 availableMemory);

// Reads fileName into document unless it is larger than sizeLimit or
// binary: UTF-16 and UTF-32 by their BOM, else UTF-8 when valid, else
// Windows-1252. document is left as it was unless the result is Read or
// ReadOnly.
TextReadResult ReadTextDocument(const QString &fileName, TextDocument &document, qint64 sizeLimit);

// Whether the editor's text can hold text: it knows no paragraph or frame
// marks of its own within a line.
bool EditorCanHold(QStringView text);

// The bytes document is saved as: the bytes read while the text is
// unchanged; else the lines with the file's line break (and a final one
// where the file had it) in its encoding. Windows-1252 text holding a
// character that does not fit is written as UTF-8 with a BOM instead.
QByteArray EncodeTextDocument(const TextDocument &document);

// Saves document to fileName safely; afterwards the document counts as read
// from there. errorText gets the reason on failure.
bool SaveTextDocument(const QString &fileName, TextDocument &document, QString *errorText);
