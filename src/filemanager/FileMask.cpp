#include "filemanager/FileMask.h"

namespace {

bool HasWildcard(const QString &pattern)
{
    return pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?'));
}

QString Widened(const QString &pattern)
{
    if (!HasWildcard(pattern) && !pattern.contains(QLatin1Char('.')))
        return QLatin1Char('*') + pattern + QLatin1Char('*');
    if (HasWildcard(pattern) && !pattern.contains(QLatin1Char('.')) && !pattern.endsWith(QLatin1Char('*')))
        return pattern + QLatin1Char('*');
    return pattern;
}

} // namespace

QStringList ParseMaskList(const QString &mask)
{
    QStringList patterns;
    QString text = mask;
    text.replace(QLatin1Char(','), QLatin1Char(';'));
    for (const QString &part : text.split(QLatin1Char(';'))) {
        const QString pattern = part.trimmed().toUpper();
        // "a;;b" or a trailing ";" would otherwise widen to "**" and show all.
        if (pattern.isEmpty())
            continue;
        const QString widened = Widened(pattern);
        if (!patterns.contains(widened))
            patterns.append(widened);
    }
    if (patterns.isEmpty())
        patterns.append(QStringLiteral("*"));
    patterns.sort();
    return patterns;
}

bool MatchesPattern(const QString &name, const QString &pattern)
{
    const QString upper = name.toUpper();
    if (pattern == QLatin1String("*"))
        return true;
    if (pattern == QLatin1String("*.*"))
        return upper.contains(QLatin1Char('.'));
    if (!HasWildcard(pattern))
        return upper == pattern;

    qsizetype pos = 0;
    bool afterStar = false;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('*')) {
            afterStar = true;
            ++i;
        } else if (c == QLatin1Char('?')) {
            if (pos >= upper.size())
                return false;
            ++pos;
            ++i;
        } else {
            qsizetype end = i;
            while (end < pattern.size() && pattern.at(end) != QLatin1Char('*') && pattern.at(end) != QLatin1Char('?'))
                ++end;
            const QStringView run = QStringView(pattern).mid(i, end - i);
            if (afterStar) {
                const qsizetype found = QStringView(upper).indexOf(run, pos);
                if (found < 0)
                    return false;
                pos = found + run.size();
            } else {
                if (!QStringView(upper).mid(pos).startsWith(run))
                    return false;
                pos += run.size();
            }
            afterStar = false;
            i = end;
        }
    }
    return pattern.endsWith(QLatin1Char('*')) || pos == upper.size();
}

bool MatchesAnyPattern(const QString &name, const QStringList &patterns)
{
    for (const QString &pattern : patterns) {
        if (MatchesPattern(name, pattern))
            return true;
    }
    return false;
}

bool MatchesMask(const QString &name, const QString &mask)
{
    return MatchesAnyPattern(name, ParseMaskList(mask));
}

QStringList ParseGroupPattern(const QString &pattern)
{
    QStringList patterns = ParseMaskList(pattern);
    for (const QString &parsed : ParseMaskList(pattern)) {
        if (parsed.size() > 2 && parsed.endsWith(QLatin1String(".*")))
            patterns.append(parsed.chopped(2));
    }
    return patterns;
}
