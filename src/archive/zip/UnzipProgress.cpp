#include "archive/zip/UnzipProgress.h"

#include "archive/zip/UnzipRecords.h"

void UnzipProgressBar::fileBegins(qint64 fileSize)
{
    minimum = 1;
    position = minimum;
    maximum = static_cast<int>(qMax<qint64>(1, fileSize / UnzStepBytes));
}

void UnzipProgressBar::step()
{
    if (position < maximum)
        ++position;
}

void UnzipProgressBar::batchEnds()
{
    minimum = 1;
    maximum = 10;
    position = minimum;
}

QString ExtractResultText(int count, int successes)
{
    if (successes == count)
        return QStringLiteral("Alle %1 Objekte wurden erfolgreich entpackt...").arg(count);
    return QStringLiteral("%1 Objekte sind fehlerhaft oder wurden übersprungen !\rArchiv unvollständig entpackt...")
        .arg(count - successes);
}

QString TestResultText(int count, int successes)
{
    if (successes == count)
        return QStringLiteral("Alle %1 Objekte wurden getestet.\rArchiv ist Okay...").arg(count);
    return QStringLiteral("%1 Objekte sind fehlerhaft oder wurden übersprungen !").arg(count - successes);
}
