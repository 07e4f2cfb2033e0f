#include "filemanager/FileListEntry.h"

#include <QDateTime>
#include <QLocale>

namespace {

const FileInfoColumn kColumns[fiAll] = {
    {"Name", 150, false},    {"Size", 60, true},         {"Type", 130, false},      {"Modified", 100, false},
    {"Created", 100, false}, {"Last Access", 85, false}, {"Attributes", 60, false}, {"Dos Name", 130, false},
    {"Dos Ext", 60, false},  {"Path", 200, false},
};

} // namespace

const FileInfoColumn &FileInfoColumnOf(FileInfo info)
{
    return kColumns[info];
}

QString AttributeLetters(const FileListEntry &entry)
{
    QString letters;
    if (entry.isFolder)
        letters += QLatin1Char('D');
    if (entry.attributes & faReadonly)
        letters += QLatin1Char('R');
    if (entry.attributes & faHidden)
        letters += QLatin1Char('H');
    return letters;
}

QString SizeText(const FileListEntry &entry)
{
    if (entry.isFolder)
        return QString();
    return QStringLiteral("%1").arg(entry.size, 10);
}

QString TimeText(qint64 msecsSinceEpoch)
{
    if (msecsSinceEpoch < 0)
        return QString();
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch);
    const QLocale locale;
    return locale.toString(local.date(), QLocale::ShortFormat) + QStringLiteral("  ")
           + locale.toString(local.time(), QLocale::ShortFormat);
}

QString DosExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot <= 0 ? QString() : name.mid(dot + 1);
}

bool PassesTypeFilter(unsigned attributes, FileTypes types)
{
    if (types & ftAll)
        return true;
    if ((attributes & faReadonly) && !(types & ftReadonly))
        return false;
    if ((attributes & faHidden) && !(types & ftHidden))
        return false;
    return true;
}
