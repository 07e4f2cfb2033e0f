#pragma once

#include "RarTestWriter.h"

#include <QDir>
#include <QFile>
#include <QString>

// RAR archives for the cases the sample archives lack, by kind, written into
// folder. Returns the path of the archive (the first volume of a set).
inline QString writeRarArchive(const QString &kind, const QString &folder)
{
    const QString path = folder + QStringLiteral("/") + kind + QStringLiteral(".rar");
    const QString part1 = folder + QStringLiteral("/") + kind + QStringLiteral(".part1.rar");
    const QString part2 = folder + QStringLiteral("/") + kind + QStringLiteral(".part2.rar");
    const QByteArray big(3000, 'v');
    QByteArray bytes;
    if (kind == QLatin1String("folders")) {
        bytes = Rar5Writer()
                    .file({"dir", {}, Rar5Entry::Directory})
                    .file({"dir/a.txt", "hello"})
                    .file({"leer.txt", {}})
                    .end();
    } else if (kind == QLatin1String("links")) {
        bytes = Rar5Writer()
                    .file({"a.txt", "hello world"})
                    .file({"b.txt", {}, Rar5Entry::HardLink, "a.txt"})
                    .file({"c.txt", {}, Rar5Entry::FileCopy, "a.txt"})
                    .file({"ln", {}, Rar5Entry::Symlink, "a.txt"})
                    .file({"d.txt", {}, Rar5Entry::HardLink, "fehlt.txt"})
                    .end();
    } else if (kind == QLatin1String("rar5 cut") || kind == QLatin1String("rar5 start")) {
        Rar5Writer writer;
        writer.file({"a.txt", "eins"}).file({"b.txt", "zwei"});
        const int cut = writer.withoutEnd().size() + 9;
        writer.file({"c.txt", "drei"});
        bytes = writer.end().left(kind == QLatin1String("rar5 cut") ? cut : 40);
    } else if (kind == QLatin1String("rar4 cut")) {
        Rar4Writer writer;
        writer.file({"a.txt", "eins"});
        const int cut = writer.withoutEnd().size() + 3;
        bytes = writer.file({"b.txt", "zwei"}).end().left(cut);
    } else if (kind == QLatin1String("rar4 without end")) {
        bytes = Rar4Writer().file({"a.txt", "eins"}).withoutEnd();
    } else if (kind == QLatin1String("rar2 without end")) {
        StoredRarEntry old{"a.txt", "eins"};
        old.version = 20;
        bytes = Rar4Writer().file(old).withoutEnd();
    } else if (kind == QLatin1String("oem names")) {
        StoredRarEntry u{"M\x81ller.txt", "u"}, a{"M\x84ller.txt", "a"};
        u.hostOs = a.hostOs = 0;
        bytes = Rar4Writer().file(u).file(a).end();
    } else if (kind == QLatin1String("same name twice")) {
        bytes = Rar4Writer().file({"gleich.txt", "erster"}).file({"gleich.txt", "zweiter"}).end();
    } else if (kind == QLatin1String("encrypted data")) {
        Rar5Entry secret{"geheim.txt", "xxxxxxxxxxxxxxxx"};
        secret.encrypted = true;
        bytes = Rar5Writer().file({"offen.txt", "offen"}).file(secret).end();
    } else if (kind == QLatin1String("rar5 encrypted headers")) {
        bytes = Rar5Writer().encryptedHeaders().withoutEnd() + QByteArray(64, 'x');
    } else if (kind == QLatin1String("rar4 encrypted headers")) {
        bytes = Rar4Writer(0x80).withoutEnd() + QByteArray(64, 'x');
    } else if (kind == QLatin1String("stored comment") || kind == QLatin1String("packed comment")) {
        const bool packed = kind == QLatin1String("packed comment");
        bytes = Rar5Writer().service("CMT", "Kommentar", packed).file({"a.txt", "eins"}).end();
    } else if (kind == QLatin1String("newline name")) {
        bytes = Rar4Writer().file({"zeile\neins.txt", "x"}).end();
    } else if (kind == QLatin1String("rar5 split")) {
        Rar5Entry first{"gross.txt", big.left(1000)}, second{"gross.txt", big.mid(1000)};
        first.splitFlags = 0x10;
        second.splitFlags = 0x08;
        first.unpSize = second.unpSize = big.size();
        writeBytes(part1, Rar5Writer(0x1).file(first).end(true));
        writeBytes(part2, Rar5Writer(0x1, 1).file(second).end());
        return part1;
    } else if (kind == QLatin1String("rar5 volumes")) {
        writeBytes(part1, Rar5Writer(0x1).file({"a.txt", "eins"}).end(true));
        writeBytes(part2, Rar5Writer(0x1, 1).file({"b.txt", "zwei"}).end());
        return part1;
    } else if (kind == QLatin1String("rar4 volumes")) {
        writeBytes(part1, Rar4Writer(0x1).file({"a.txt", "eins"}).end(0x1));
        writeBytes(part2, Rar4Writer(0x1).file({"b.txt", "zwei"}).end());
        return part1;
    }
    writeBytes(path, bytes);
    return path;
}
