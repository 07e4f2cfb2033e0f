#include "archive/rar/EntryPathCheck.h"

#include <QFileInfo>
#include <QStringList>

namespace {

bool hasDriveLetter(const QString &name)
{
    return name.size() >= 2 && name.at(1) == QLatin1Char(':') && name.at(0).isLetter();
}

// The problem of a relative name's components; empty when they are plain.
QString componentProblem(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("leerer Name");
    if (name.contains(QLatin1Char('\\')))
        return QStringLiteral("Backslash im Namen");
    if (name.startsWith(QLatin1Char('/')))
        return QStringLiteral("absoluter Pfad");
    if (hasDriveLetter(name))
        return QStringLiteral("Laufwerksangabe im Namen");
    const QStringList parts = name.split(QLatin1Char('/'));
    for (const QString &part : parts) {
        if (part == QLatin1String(".."))
            return QStringLiteral("\"..\" im Pfad");
    }
    return {};
}

// True when target, relative to the folder linkFolder (itself relative to
// the target folder), stays inside the target folder. ".." may only lead the
// target: after a name it could climb out of a folder that is itself a link.
bool linkStaysInside(const QString &linkFolder, const QString &target)
{
    qsizetype depth = linkFolder.split(QLatin1Char('/'), Qt::SkipEmptyParts).size();
    bool descended = false;
    const QStringList parts = target.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            if (descended || depth == 0)
                return false;
            --depth;
        } else {
            descended = true;
        }
    }
    return true;
}

} // namespace

QString EntryPathProblem(const QString &targetDir, const QString &entryName, EntryKind kind, const QString &linkTarget)
{
    QString name = entryName;
    while (name.endsWith(QLatin1Char('/')) && name.size() > 1)
        name.chop(1);
    if (const QString problem = componentProblem(name); !problem.isEmpty())
        return problem;

    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return QStringLiteral("leerer Name");
    QString path = targetDir;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        path += QLatin1Char('/') + parts.at(i);
        const bool last = i == parts.size() - 1;
        // A file or link replaces a link in its own place; nothing goes
        // through one.
        if ((!last || kind == EntryKind::Directory) && QFileInfo(path).isSymLink())
            return QStringLiteral("Pfad führt über einen Link");
    }

    if (kind == EntryKind::Link) {
        if (linkTarget.isEmpty())
            return QStringLiteral("Link ohne Ziel");
        if (linkTarget.startsWith(QLatin1Char('/')) || hasDriveLetter(linkTarget)
            || linkTarget.contains(QLatin1Char('\\')))
            return QStringLiteral("Link zeigt aus dem Zielverzeichnis");
        const QString folder = parts.mid(0, parts.size() - 1).join(QLatin1Char('/'));
        if (!linkStaysInside(folder, linkTarget))
            return QStringLiteral("Link zeigt aus dem Zielverzeichnis");
    }
    return {};
}
