#include "export/print/HeaderCodes.h"

#include <QFileInfo>
#include <QLocale>

namespace {

QString valueOrBlank(const QString &value)
{
    return value.isEmpty() ? QStringLiteral(" ") : value;
}

QString escaped(const QString &value)
{
    QString result = valueOrBlank(value);
    return result.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

QString ExpandSetTimeCodes(const QString &text, const QString &fileName, const QDateTime &now)
{
    const QLocale locale;
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('&') || i + 1 >= text.size()) {
            result += c;
            continue;
        }
        const QChar code = text.at(++i);
        switch (code.unicode()) {
        case 'd':
            result += escaped(locale.toString(now.date(), QLocale::ShortFormat));
            break;
        case 't':
            result += escaped(locale.toString(now.time(), QLocale::ShortFormat));
            break;
        case 'D':
            result += escaped(locale.toString(now.date(), QLocale::LongFormat));
            break;
        case 'T':
            result += escaped(locale.toString(now.time(), QLocale::LongFormat));
            break;
        case 'f':
            result += escaped(QFileInfo(fileName).fileName());
            break;
        case 'F':
            result += escaped(fileName);
            break;
        default:
            result += c;
            result += code;
        }
    }
    return result;
}

HeaderSections PageHeaderSections(const QString &expanded, int page, const QString &title)
{
    HeaderSections sections;
    QString *target = &sections.left;
    for (qsizetype i = 0; i < expanded.size(); ++i) {
        const QChar c = expanded.at(i);
        if (c != QLatin1Char('&')) {
            *target += c;
            continue;
        }
        if (i + 1 >= expanded.size()) {
            *target += QLatin1Char(' ');
            break;
        }
        switch (expanded.at(++i).unicode()) {
        case 'l':
            target = &sections.left;
            break;
        case 'c':
            target = &sections.centre;
            break;
        case 'r':
            target = &sections.right;
            break;
        case 'p':
            *target += QString::number(page);
            break;
        case 'i':
            *target += valueOrBlank(title);
            break;
        case '&':
            *target += QLatin1Char('&');
            break;
        default:
            *target += QLatin1Char(' ');
        }
    }
    return sections;
}
