#pragma once

#include "platform/TextFileForm.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// An INI-style settings file: "[Section]" lines and "Key=Value" lines.
// Section and key names compare without regard to case; a value is the text
// after the first "=", trimmed. Reading a missing key gives the caller's
// default. Writing a key changes only that key's line (or adds one) and
// keeps every other line, header lines and comments included, as it was,
// with its own line break; the file keeps its encoding. The file is parsed
// once into sections with an index of their keys, so that reading and
// writing a key cost the same however large the file is.
class ProfileFile {
public:
    ProfileFile() = default;
    // Reads fileName; a file that cannot be read counts as empty.
    explicit ProfileFile(const QString &fileName);

    // Reads fileName; false (and empty) when it cannot be read.
    bool load(const QString &fileName);
    // Writes the lines back to the file they came from, safely (the old file
    // stays whole until the new one is complete); false on failure.
    bool save() const;
    bool saveAs(const QString &fileName);

    QString fileName() const { return m_fileName; }
    QStringList lines() const;

    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // Decimal or, with a leading "0x"/"0X", hexadecimal; anything else gives
    // the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // A non-zero integer is true; anything that is not an integer gives the
    // default.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    // Updates the key in place, else appends it to its section, else appends
    // the section at the end.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);

    // Removes the section's heading and all its lines.
    void eraseSection(const QString &section);

private:
    // A line's own line break; a new line takes the file's.
    enum class Break : quint8 { None, Lf, Cr, CrLf, FileDefault };
    struct Line {
        QString text;
        Break lineBreak = Break::FileDefault; // None only for a last line without one
    };
    // The lines from a "[...]" heading (or the file's start) to the next.
    struct Section {
        bool hasHeading = false;
        QString name; // case-folded
        QList<Line> lines;
        QHash<QString, qsizetype> keys; // case-folded key -> its first line
    };

    struct Place {
        qsizetype section = -1;
        qsizetype line = -1;
    };

    void clear();
    void addLine(QString text, Break lineBreak);
    void indexSections();
    Place keyLine(const QString &section, const QString &key) const;

    QString m_fileName;
    TextFile::Form m_form;
    QList<Section> m_sections;
    QHash<QString, QList<qsizetype>> m_byName; // case-folded name -> sections
};

// Integer in the forms the settings file allows; false when text is none.
bool ParseProfileInteger(QStringView text, int &value);
