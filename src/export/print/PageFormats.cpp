#include "export/print/PageFormats.h"

#include <cmath>

QStringList PageFormatNames()
{
    return {QStringLiteral("Komplette Seite"), QStringLiteral("Benutzerdefiniert"), QStringLiteral("Zip-Medium"),
            QStringLiteral("CD-Rom")};
}

int PageFormatByName(const QString &name)
{
    const QStringList names = PageFormatNames();
    for (int i = 0; i < names.size(); ++i) {
        if (names.at(i).compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

FormatMargins MarginsForFormat(int format, double paperWidth, double paperHeight, int customWidth, int customHeight)
{
    int width = -1;
    int height = -1;
    switch (format) {
    case FormatCustom:
        width = customWidth;
        height = customHeight;
        break;
    case FormatZip:
        width = 72;
        height = 53;
        break;
    case FormatCd:
        width = 121;
        height = 120;
        break;
    default:
        break;
    }
    const auto paperW = static_cast<long>(std::lround(paperWidth));
    const auto paperH = static_cast<long>(std::lround(paperHeight));
    FormatMargins margins;
    if (width >= 0 && width < paperW)
        margins.right = static_cast<int>(paperW + 7 - width);
    if (height >= 0 && height < paperH)
        margins.bottom = static_cast<int>(paperH + 10 - height);
    return margins;
}

std::vector<int> PrintSequence(int fromPage, int toPage, int pageCount, int copies, bool collate)
{
    std::vector<int> pages;
    if (pageCount <= 0)
        return pages;
    const int first = fromPage <= 0 ? 1 : qMin(fromPage, pageCount);
    const int last = toPage <= 0 ? pageCount : qMin(toPage, pageCount);
    const int runs = qMax(1, copies);
    if (collate) {
        for (int copy = 0; copy < runs; ++copy) {
            for (int page = first; page <= last; ++page)
                pages.push_back(page);
        }
    } else {
        for (int page = first; page <= last; ++page) {
            for (int copy = 0; copy < runs; ++copy)
                pages.push_back(page);
        }
    }
    return pages;
}
