#include "tree/scan/DesktopEntry.h"

#include <QHash>

namespace {

// The escapes of a string value: \s \n \t \r \\.
QString unescapeValue(QStringView value)
{
    QString text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            text += c;
            continue;
        }
        switch (value[++i].unicode()) {
        case 's':
            text += QLatin1Char(' ');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        case 'r':
            text += QLatin1Char('\r');
            break;
        default:
            text += value[i];
            break;
        }
    }
    return text;
}

// The keys of the "[Desktop Entry]" group, as written (locale suffix and
// all), with their unescaped values.
QHash<QString, QString> entryGroup(QByteArrayView bytes)
{
    QHash<QString, QString> keys;
    bool inGroup = false;
    const QString text = QString::fromUtf8(bytes);
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inGroup || equals <= 0)
            continue;
        const QString key = line.first(equals).trimmed().toString();
        if (!keys.contains(key))
            keys.insert(key, unescapeValue(line.sliced(equals + 1).trimmed()));
    }
    return keys;
}

QString localised(const QHash<QString, QString> &keys, const QString &key)
{
    for (const QString &variant : {key + QStringLiteral("[de_DE]"), key + QStringLiteral("[de]"), key}) {
        const QString value = keys.value(variant);
        if (!value.isEmpty())
            return value;
    }
    return {};
}

bool isTrue(const QString &value)
{
    return value.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

// Drops field codes from one word; nullopt when the word was only a code.
std::optional<QString> withoutFieldCodes(const QString &word)
{
    QString kept;
    bool hadCode = false;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word[i] != QLatin1Char('%') || i + 1 == word.size()) {
            kept += word[i];
        } else if (word[++i] == QLatin1Char('%')) {
            kept += QLatin1Char('%');
        } else {
            hadCode = true;
        }
    }
    if (hadCode && kept.isEmpty())
        return std::nullopt;
    return kept;
}

} // namespace

std::optional<DesktopEntry> ParseDesktopEntry(QByteArrayView text)
{
    const QHash<QString, QString> keys = entryGroup(text);
    const QString type = keys.value(QStringLiteral("Type"), QStringLiteral("Application"));
    if (type != QLatin1String("Application") || isTrue(keys.value(QStringLiteral("Hidden"))))
        return std::nullopt;
    DesktopEntry entry;
    entry.name = localised(keys, QStringLiteral("Name"));
    entry.comment = localised(keys, QStringLiteral("Comment"));
    if (entry.comment.isEmpty())
        entry.comment = localised(keys, QStringLiteral("GenericName"));
    entry.exec = keys.value(QStringLiteral("Exec"));
    entry.icon = keys.value(QStringLiteral("Icon"));
    entry.path = keys.value(QStringLiteral("Path"));
    if (entry.name.isEmpty() || DesktopExecWords(entry.exec).isEmpty())
        return std::nullopt;
    return entry;
}

QStringList DesktopExecWords(const QString &exec)
{
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    const auto finishWord = [&] {
        if (inWord) {
            if (const std::optional<QString> kept = withoutFieldCodes(word))
                words.append(*kept);
        }
        word.clear();
        inWord = false;
    };
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"'))
                quoted = false;
            else if (c == QLatin1Char('\\') && i + 1 < exec.size())
                word += exec[++i];
            else
                word += c;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            finishWord();
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    finishWord();
    return words;
}

QString DesktopCommandLine(const QString &program, const QStringList &arguments)
{
    if (program.contains(QLatin1Char(' ')))
        return program;
    QString line = program;
    for (QString argument : arguments) {
        if (argument.isEmpty() || argument.contains(QLatin1Char(' ')) || argument.contains(QLatin1Char('"'))) {
            argument.replace(QStringLiteral("\""), QStringLiteral("\"\"\""));
            argument = QLatin1Char('"') + argument + QLatin1Char('"');
        }
        line += QLatin1Char(' ') + argument;
    }
    return line;
}
