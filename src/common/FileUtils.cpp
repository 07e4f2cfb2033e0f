#include "common/FileUtils.h"

#include "common/MsgBox.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

int Percent(qint64 total, qint64 part)
{
    if (total == 0)
        return 0;
    qint64 numerator = part * 100;
    qint64 denominator = total;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const bool negative = numerator < 0;
    if (negative)
        numerator = -numerator;
    qint64 quotient = numerator / denominator;
    const qint64 twiceRemainder = 2 * (numerator % denominator);
    if (twiceRemainder > denominator || (twiceRemainder == denominator && quotient % 2 == 1))
        ++quotient;
    return static_cast<int>(negative ? -quotient : quotient);
}

QString FormatThousands(qint64 value)
{
    QString digits = QString::number(value < 0 ? -value : value);
    for (qsizetype pos = digits.size() - 3; pos > 0; pos -= 3)
        digits.insert(pos, QLatin1Char('.'));
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

bool FileContainsLine(const QString &fileName, const QString &text)
{
    const QStringView wanted = TextFile::trimmed(text);
    bool found = false;
    TextFile::forEachLine(fileName, [&](QStringView line) {
        found = TextFile::trimmed(line).compare(wanted, Qt::CaseInsensitive) == 0;
        return !found;
    });
    return found;
}

int CountLines(const QString &fileName)
{
    int count = 0;
    const bool read = TextFile::forEachRawLine(fileName, [&count](QByteArrayView) {
        ++count;
        return true;
    });
    return read ? count : -1;
}

int CountEntryLines(const QString &fileName)
{
    int count = 0;
    const bool read = TextFile::forEachRawLine(fileName, [&count](QByteArrayView line) {
        if (QLatin1StringView(TextFile::trimmed(line)).compare(QLatin1String("ITEM NEW"), Qt::CaseInsensitive) == 0)
            ++count;
        return true;
    });
    return read ? count : -1;
}

QString ReadProjectName(const QString &fileName)
{
    QString name;
    TextFile::forEachLine(fileName, [&name](QStringView line) {
        if (!line.left(8).startsWith(QLatin1String("PROJEKT="), Qt::CaseInsensitive))
            return true;
        name = line.mid(8).toString();
        return name.isEmpty();
    });
    return name;
}

bool IsValidFileName(const QString &name, bool showError)
{
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar ch : name) {
        if (!forbidden.contains(ch))
            continue;
        if (showError) {
            ShowMsgBox(QStringLiteral("Fehler: Ungültiger Dateiname..."),
                       QStringLiteral("Ein Dateiname darf keines der folgenden Zeichen enthalten: \\/:*?\"<>|"),
                       MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80330);
        }
        return false;
    }
    return true;
}

qint64 FileSizeOf(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.exists() ? info.size() : -1;
}

QString FileDateText(const QString &fileName)
{
    const QFileInfo info(fileName);
    if (!info.exists())
        return {};
    QDateTime stamp = info.birthTime();
    if (!stamp.isValid())
        stamp = info.lastModified();
    return stamp.toUTC().toString(QStringLiteral("d.M.yyyy H:m:s"));
}

bool DriveReady(const QString &drive)
{
    if (drive.isEmpty() || !FileSystem::folderExists(drive))
        return false;
    const QStorageInfo storage(drive);
    return storage.isValid() && storage.isReady() && storage.bytesTotal() >= 0;
}

bool DeleteFolderTree(const QString &folder)
{
    const QFileInfo root(folder);
    if (root.isSymLink() || !root.isDir())
        return !root.exists() && !root.isSymLink();
    QDir dir(folder);
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir() && !entry.isSymLink())
            DeleteFolderTree(entry.absoluteFilePath());
        else
            QFile::remove(entry.absoluteFilePath());
    }
    dir.rmdir(folder);
    return !FileSystem::folderExists(folder);
}
