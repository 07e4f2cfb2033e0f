#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// The label formats of the print export: a target area at the top left
// corner of the paper.
enum PageFormat : int { FormatWholePage = 0, FormatCustom = 1, FormatZip = 2, FormatCd = 3 };

QStringList PageFormatNames();
// Index of name (case-insensitive) in PageFormatNames; -1 if none.
int PageFormatByName(const QString &name);

struct FormatMargins {
    int left = 7;
    int right = 7;
    int top = 10;
    int bottom = 10;

    bool operator==(const FormatMargins &) const = default;
};

// Margins that put the format's area at the top left corner with inner
// margins of 7 and 10 mm; a format as large as the paper keeps 7 and 10.
FormatMargins MarginsForFormat(int format, double paperWidth, double paperHeight, int customWidth, int customHeight);

// Page numbers in print order: from and to bounded by pageCount (0 meaning
// the first or last page); collated runs whole copies one after the other,
// otherwise every page is repeated copies times. Empty without pages.
std::vector<int> PrintSequence(int fromPage, int toPage, int pageCount, int copies, bool collate);
