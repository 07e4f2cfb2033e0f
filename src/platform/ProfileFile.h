#pragma once

#include <QString>
#include <QStringList>

// An INI-style settings file: "[Section]" lines and "Key=Value" lines.
// Section and key names compare without regard to case; a value is the text
// after the first "=", trimmed. Reading a missing key gives the caller's
// default. Writing a key changes only that key's line (or adds one) and
// keeps every other line, header lines and comments included, as it was.
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
    const QStringList &lines() const { return m_lines; }

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
    struct Range {
        qsizetype heading = -1; // index of the "[...]" line
        qsizetype end = -1;     // index after the section's last line
    };

    QList<Range> sections(const QString &section) const;
    qsizetype keyLine(const QString &section, const QString &key) const;

    QString m_fileName;
    QStringList m_lines;
};

// Integer in the forms the settings file allows; false when text is none.
bool ParseProfileInteger(QStringView text, int &value);
