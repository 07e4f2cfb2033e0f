#pragma once

#include <QDateTime>
#include <QString>

// Header and footer texts with "&" codes: &l &c &r align the text after
// them, &p page, &i title, &d &t &D &T date and time, &f &F file name, &&
// one "&". An unknown letter or an empty value gives one blank.

// What is filled in when the text is set: date, time and file name. The
// other codes stay for PageHeaderSections; an "&" in a value is kept as "&&".
QString ExpandSetTimeCodes(const QString &text, const QString &fileName, const QDateTime &now);

// The three aligned parts of an expanded text for one page.
struct HeaderSections {
    QString left;
    QString centre;
    QString right;

    bool operator==(const HeaderSections &) const = default;
};

HeaderSections PageHeaderSections(const QString &expanded, int page, const QString &title);
