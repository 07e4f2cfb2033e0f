// Builds the example catalogue in a folder of its own: copies the example
// files there and writes Beispiel.prj from its template, with every command
// line drive-independent for the volume that folder lies on.
//
//   brekko_make_example SOURCE_FOLDER TARGET_FOLDER [FINAL_FOLDER]
//
// FINAL_FOLDER is where the catalogue will lie once installed, when
// TARGET_FOLDER is only a staging folder (DESTDIR); the command lines fit it.

#include "common/CommandLinePaths.h"
#include "platform/FileSystem.h"
#include "platform/TextFile.h"
#include "platform/Volumes.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

const QString kTemplate = QStringLiteral("Beispiel.prj.in");
const QString kCatalogue = QStringLiteral("Beispiel.prj");
const QString kPlaceholder = QStringLiteral("@BEISPIEL@");

int fail(const QString &message)
{
    QTextStream(stderr) << "brekko_make_example: " << message << '\n';
    return 1;
}

bool copyFile(const QString &source, const QString &target)
{
    QDir().mkpath(QFileInfo(target).absolutePath());
    if (QFile::exists(target) && !QFile::remove(target))
        return false;
    return QFile::copy(source, target) && QFile::setPermissions(target, QFile::permissions(source));
}

bool copyExampleFiles(const QDir &source, const QDir &target)
{
    QDirIterator files(source.path(), QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString relative = source.relativeFilePath(file);
        if (relative != kTemplate && !copyFile(file, target.filePath(relative)))
            return false;
    }
    return true;
}

// The target folder as a drive-independent path: "\" and the rest of the
// folder below its volume's root, with "\" separators. The folder need not
// exist yet: its volume is that of its nearest existing parent.
QString driveIndependentFolder(const QString &folder)
{
    QString existing = folder;
    while (!QFileInfo::exists(existing) && QFileInfo(existing).path() != existing)
        existing = QFileInfo(existing).path();
    QString line = existing;
    if (ShortenCommandLine(Volumes::volumeOf(existing), line) != ShortenFolder)
        return {};
    QString result = line == QLatin1String("\\") ? QStringLiteral("") : line;
    const QString rest = QDir(existing).relativeFilePath(folder);
    if (rest != QLatin1String("."))
        result += QLatin1Char('\\') + QString(rest).replace(QLatin1Char('/'), QLatin1Char('\\'));
    return result;
}

bool writeCatalogue(const QString &templateFile, const QString &catalogue, const QString &prefix)
{
    QString text;
    if (!TextFile::readText(templateFile, text))
        return false;
    QStringList lines = TextFile::splitLines(text);
    for (QString &line : lines)
        line.replace(kPlaceholder, prefix);
    const QByteArray bytes = TextFile::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    QSaveFile file(catalogue);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3 && arguments.size() != 4)
        return fail(QStringLiteral("Aufruf: brekko_make_example QUELLORDNER ZIELORDNER [ENDORDNER]"));
    const QDir source(FileSystem::fullPath(arguments.at(1)));
    const QDir target(FileSystem::fullPath(arguments.at(2)));
    if (!QDir().mkpath(target.path()) || !copyExampleFiles(source, target))
        return fail(QStringLiteral("Dateien konnten nicht nach %1 kopiert werden.").arg(target.path()));
    const QString finalFolder =
        arguments.size() == 4 ? QDir::cleanPath(FileSystem::fullPath(arguments.at(3))) : target.path();
    const QString prefix = driveIndependentFolder(finalFolder);
    if (prefix.isNull())
        return fail(QStringLiteral("%1 liegt auf keinem Laufwerk.").arg(finalFolder));
    if (!writeCatalogue(source.filePath(kTemplate), target.filePath(kCatalogue), prefix))
        return fail(QStringLiteral("%1 konnte nicht geschrieben werden.").arg(target.filePath(kCatalogue)));
    return 0;
}
