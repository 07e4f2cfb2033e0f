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
    ReadOnly,     // read, but the editor's text cannot hold it unchanged
    NotFound,     // missing, a folder or unreadable
    TooLarge,     // more bytes than the limit; not read
    TooManyLines, // more lines than the limit
    LineTooLong,  // a line longer than the limit
    Binary,       // holds NUL characters
};

// What the editor takes. Its text widget needs time and memory for every
// line and, within a line, for every character: beyond these a file would
// take minutes and gigabytes.
struct EditorLimits {
    qint64 bytes = qint64(64) << 20;
    qint64 lines = 1'000'000;
    qint64 lineLength = 1'000'000;
};

// The limits where availableMemory bytes are free (below 0: unknown): fewer
// bytes where memory is short.
EditorLimits EditorLimitsFor(qint64 availableMemory);

// Reads fileName into document unless it exceeds limits (a file larger than
// limits.bytes is not read at all) or is binary: UTF-16 and UTF-32 by their
// BOM, else UTF-8 when valid, else Windows-1252. document is left as it was
// unless the result is Read or ReadOnly.
TextReadResult ReadTextDocument(const QString &fileName, TextDocument &document, const EditorLimits &limits);

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
