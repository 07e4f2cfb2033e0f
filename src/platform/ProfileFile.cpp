#include "platform/ProfileFile.h"

#include "platform/SafeSave.h"
#include "platform/TextFile.h"

namespace {

// True for a "[Section]" line; name receives the section's name.
bool readSectionName(const QString &line, QStringView &name)
{
    const QStringView text = TextFile::trimmed(line);
    if (!text.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    name = TextFile::trimmed(text.mid(1, close < 0 ? -1 : close - 1));
    return true;
}

bool isSection(const QString &line)
{
    QStringView name;
    return readSectionName(line, name);
}

// Key of a "Key=Value" line as written; empty when the line has none.
QStringView keyText(const QString &line)
{
    const QStringView text = TextFile::trimmed(line);
    if (text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('#')) || text.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    return TextFile::trimmed(text.left(equals));
}

bool namesMatch(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool isBlank(const QString &line)
{
    return TextFile::trimmed(line).isEmpty();
}

} // namespace

bool ParseProfileInteger(QStringView text, int &value)
{
    const QStringView trimmed = TextFile::trimmed(text);
    bool ok = false;
    int parsed = 0;
    if (trimmed.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        parsed = trimmed.mid(2).toInt(&ok, 16);
    else
        parsed = trimmed.toInt(&ok, 10);
    if (ok)
        value = parsed;
    return ok;
}

ProfileFile::ProfileFile(const QString &fileName)
{
    load(fileName);
}

bool ProfileFile::load(const QString &fileName)
{
    m_fileName = fileName;
    m_lines.clear();
    QString text;
    if (!TextFile::readText(fileName, text))
        return false;
    m_lines = TextFile::splitLines(text);
    return true;
}

bool ProfileFile::save() const
{
    QString text = m_lines.join(QStringLiteral("\r\n"));
    if (!m_lines.isEmpty())
        text += QStringLiteral("\r\n");
    SafeSave file(m_fileName);
    return file.open() && file.write(TextFile::encode(text)) && file.commit();
}

bool ProfileFile::saveAs(const QString &fileName)
{
    m_fileName = fileName;
    return save();
}

QList<ProfileFile::Range> ProfileFile::sections(const QString &section) const
{
    QList<Range> found;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        QStringView name;
        if (!readSectionName(m_lines.at(i), name) || !namesMatch(name, section))
            continue;
        qsizetype end = i + 1;
        while (end < m_lines.size() && !isSection(m_lines.at(end)))
            ++end;
        found.append({i, end});
        i = end - 1;
    }
    return found;
}

qsizetype ProfileFile::keyLine(const QString &section, const QString &key) const
{
    const QString wanted = key.trimmed();
    for (const Range &range : sections(section)) {
        for (qsizetype i = range.heading + 1; i < range.end; ++i) {
            const QStringView name = keyText(m_lines.at(i));
            if (!name.isEmpty() && namesMatch(name, wanted))
                return i;
        }
    }
    return -1;
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const qsizetype line = keyLine(section, key);
    if (line < 0)
        return defaultValue;
    const QString &text = m_lines.at(line);
    return TextFile::trimmed(QStringView(text).mid(text.indexOf(QLatin1Char('=')) + 1)).toString();
}

int ProfileFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    int value = defaultValue;
    ParseProfileInteger(readString(section, key, QString()), value);
    return value;
}

bool ProfileFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    int value = defaultValue ? 1 : 0;
    ParseProfileInteger(readString(section, key, QString()), value);
    return value != 0;
}

void ProfileFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const qsizetype line = keyLine(section, key);
    if (line >= 0) {
        m_lines[line] = keyText(m_lines.at(line)).toString() + QLatin1Char('=') + value;
        return;
    }
    const QString entry = key.trimmed() + QLatin1Char('=') + value;
    const QList<Range> found = sections(section);
    if (!found.isEmpty()) {
        qsizetype at = found.first().end;
        while (at > found.first().heading + 1 && isBlank(m_lines.at(at - 1)))
            --at;
        m_lines.insert(at, entry);
        return;
    }
    if (!m_lines.isEmpty() && !isBlank(m_lines.last()))
        m_lines.append(QString());
    m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
    m_lines.append(entry);
}

void ProfileFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void ProfileFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::eraseSection(const QString &section)
{
    const QList<Range> found = sections(section);
    for (auto range = found.crbegin(); range != found.crend(); ++range)
        m_lines.remove(range->heading, range->end - range->heading);
}
