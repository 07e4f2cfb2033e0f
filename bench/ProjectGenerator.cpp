#include "ProjectGenerator.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTextStream>

namespace {
constexpr int kExistingFiles = 200;
constexpr int kImageFiles = 5;

void makeFiles(const QString &folder)
{
    QDir().mkpath(folder + QStringLiteral("/tools"));
    QDir().mkpath(folder + QStringLiteral("/pics"));
    for (int i = 0; i < kExistingFiles; ++i) {
        QFile file(folder + QStringLiteral("/tools/tool%1.sh").arg(i));
        if (file.open(QIODevice::WriteOnly))
            file.write("#!/bin/sh\n");
    }
    QImage image(32, 16, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    for (int i = 0; i < kImageFiles; ++i)
        image.save(folder + QStringLiteral("/pics/img%1.bmp").arg(i), "BMP");
}
} // namespace

QString GenerateProject(const QString &folder, int entryCount)
{
    makeFiles(folder);
    const QString fileName = folder + QStringLiteral("/bench%1.prj").arg(entryCount);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QTextStream out(&file);
    out << "<Talvoren V4 Projektdatei>\r\n\r\nProjekt=Benchmark\r\nExpandItems=0\r\nImages verwenden=1\r\n";
    for (int i = 0; i < kImageFiles; ++i)
        out << "ImageFile=" << folder << "/pics/img" << i << ".bmp\r\n";
    out << "\r\n";
    int groupIndex = -1;
    for (int i = 0; i < entryCount; ++i) {
        const bool group = i % 20 == 0;
        out << "Item New\r\n  ItemNr=" << i << "\r\n  ParentNr=" << (group ? -1 : groupIndex) << "\r\n";
        out << "  Titel=Eintrag Nummer " << i << "\r\n  Image=" << (4 + i % 25) << ',' << (4 + i % 25) << "\r\n";
        out << "  Kommentar=Erste Kommentarzeile des Eintrags " << i << "\r\n";
        out << "  Kommentar=Zweite Zeile mit Umlauten: äöü ß\r\n";
        if (i % 3 == 0)
            out << "  Kommentar=Dritte Zeile = mit Gleichheitszeichen, und Komma\r\n";
        if (group)
            out << "  Befehl=2," << folder << "/tools\r\n";
        else if (i % 4 == 0)
            out << "  Befehl=1," << folder << "/tools/missing" << i << ".sh -x\r\n";
        else if (i % 4 == 1)
            out << "  Befehl=1," << folder << "/tools/tool" << (i % kExistingFiles) << ".sh --help\r\n";
        else
            out << "  Befehl=1," << folder << "/tools/tool" << (i % kExistingFiles) << ".sh\r\n";
        out << "Item Done\r\n";
        if (group)
            groupIndex = i;
    }
    out.flush();
    return fileName;
}

QString GenerateDeepProject(const QString &folder, int levels)
{
    const QString fileName = folder + QStringLiteral("/deep%1.prj").arg(levels);
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QTextStream out(&file);
    out << "<Talvoren V4 Projektdatei>\r\n\r\nProjekt=Tief\r\n\r\n";
    for (int i = 0; i < levels; ++i)
        out << "Item New\r\n  ItemNr=" << i << "\r\n  ParentNr=" << i - 1 << "\r\n  Titel=Ebene " << i
            << "\r\n  Befehl=0,\r\nItem Done\r\n";
    out.flush();
    return fileName;
}
