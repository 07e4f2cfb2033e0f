#include "platform/ProfileFile.h"

#include "platform/SafeSave.h"
#include "platform/TextFile.h"

namespace {

// True for a "[Section]" line; name receives the section's name.
bool readSectionName(QStringView line, QStringView &name)
{
    const QStringView text = TextFile::trimmed(line);
    if (!text.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = text.indexOf(QLatin1Char(']'));
    name = TextFile::trimmed(text.mid(1, close < 0 ? -1 : close - 1));
    return true;
}

// Key of a "Key=Value" line as written; empty when the line has none.
QStringView keyText(QStringView line)
{
    const QStringView text = TextFile::trimmed(line);
    if (text.startsWith(QLatin1Char(';')) || text.startsWith(QLatin1Char('#')) || text.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    return TextFile::trimmed(text.left(equals));
}

QString folded(QStringView name)
{
    return TextFile::trimmed(name).toString().toCaseFolded();
}

bool isBlank(QStringView line)
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

void ProfileFile::clear()
{
    m_form = TextFile::Form();
    m_sections.clear();
    m_byName.clear();
}

bool ProfileFile::load(const QString &fileName)
{
    m_fileName = fileName;
    clear();
    QByteArray bytes;
    if (!TextFile::readBytes(fileName, bytes))
        return false;
    const QString text = TextFile::decodeKeepingForm(bytes, m_form);
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != QLatin1Char('\n') && text[end] != QLatin1Char('\r'))
            ++end;
        qsizetype next = end < size ? end + 1 : end;
        if (end + 1 < size && text[end] == QLatin1Char('\r') && text[end + 1] == QLatin1Char('\n'))
            ++next;
        const qsizetype breakLength = next - end;
        const Break lineBreak = breakLength == 2                 ? Break::CrLf
                                : breakLength == 0               ? Break::None
                                : text[end] == QLatin1Char('\r') ? Break::Cr
                                                                 : Break::Lf;
        addLine(text.sliced(start, end - start), lineBreak);
        start = next;
    }
    indexSections();
    return true;
}

void ProfileFile::addLine(QString text, Break lineBreak)
{
    QStringView name;
    const bool heading = readSectionName(text, name);
    if (heading || m_sections.isEmpty()) {
        Section section;
        section.hasHeading = heading;
        if (heading)
            section.name = folded(name);
        m_sections.append(std::move(section));
    }
    Section &section = m_sections.last();
    const QStringView key = section.hasHeading && !heading ? keyText(text) : QStringView();
    if (!key.isEmpty()) {
        const QString name = folded(key);
        if (!section.keys.contains(name)) // the first one counts
            section.keys.insert(name, section.lines.size());
    }
    section.lines.append({std::move(text), lineBreak});
}

void ProfileFile::indexSections()
{
    m_byName.clear();
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        if (m_sections.at(i).hasHeading)
            m_byName[m_sections.at(i).name].append(i);
    }
}

bool ProfileFile::save() const
{
    QString text;
    qsizetype last = -1;
    for (const Section &section : m_sections)
        last += section.lines.size();
    qsizetype number = 0;
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines) {
            text += line.text;
            if (number++ == last && !m_form.finalLineBreak)
                continue;
            switch (line.lineBreak) {
            case Break::Lf:
                text += QLatin1Char('\n');
                break;
            case Break::Cr:
                text += QLatin1Char('\r');
                break;
            case Break::CrLf:
                text += QLatin1String("\r\n");
                break;
            case Break::None:
            case Break::FileDefault:
                text += m_form.lineBreak;
                break;
            }
        }
    }
    return WriteFileSafely(m_fileName, TextFile::encodeInForm(text, m_form));
}

bool ProfileFile::saveAs(const QString &fileName)
{
    m_fileName = fileName;
    return save();
}

QStringList ProfileFile::lines() const
{
    QStringList lines;
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines)
            lines.append(line.text);
    }
    return lines;
}

ProfileFile::Place ProfileFile::keyLine(const QString &section, const QString &key) const
{
    const auto found = m_byName.constFind(folded(section));
    if (found == m_byName.cend())
        return {};
    const QString wanted = folded(key);
    for (const qsizetype index : *found) {
        const auto line = m_sections.at(index).keys.constFind(wanted);
        if (line != m_sections.at(index).keys.cend())
            return {index, *line};
    }
    return {};
}

QString ProfileFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Place place = keyLine(section, key);
    if (place.section < 0)
        return defaultValue;
    const QStringView text(m_sections.at(place.section).lines.at(place.line).text);
    return TextFile::trimmed(text.mid(text.indexOf(QLatin1Char('=')) + 1)).toString();
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
    const Place place = keyLine(section, key);
    if (place.section >= 0) {
        QString &text = m_sections[place.section].lines[place.line].text;
        text = keyText(text).toString() + QLatin1Char('=') + value;
        return;
    }
    const QString entry = key.trimmed() + QLatin1Char('=') + value;
    const auto existing = m_byName.constFind(folded(section));
    if (existing != m_byName.cend()) {
        // Before the blank lines that end the section: no key follows them.
        Section &target = m_sections[existing->first()];
        qsizetype at = target.lines.size();
        while (at > 1 && isBlank(target.lines.at(at - 1).text))
            --at;
        target.lines.insert(at, {entry, Break::FileDefault});
        target.keys.insert(folded(key), at);
        return;
    }
    if (!m_sections.isEmpty() && !m_sections.last().lines.isEmpty() && !isBlank(m_sections.last().lines.last().text))
        m_sections.last().lines.append({QString(), Break::FileDefault});
    addLine(QLatin1Char('[') + section + QLatin1Char(']'), Break::FileDefault);
    addLine(entry, Break::FileDefault);
    m_byName[m_sections.last().name].append(m_sections.size() - 1);
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
    const QString name = folded(section);
    if (!m_byName.contains(name))
        return;
    m_sections.removeIf([&name](const Section &candidate) { return candidate.hasHeading && candidate.name == name; });
    indexSections();
}
