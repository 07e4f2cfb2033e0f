#pragma once

#include "FileTreeFixture.h"

#include "tree/scan/CatalogueItem.h"

#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <fcntl.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// A medium as people fill one: launchers with and without pictures and field
// codes, programs, scripts, renamed archives, macro files, documents, nested
// and empty folders, links inside and out, a pipe, a locked folder and names
// a command line cannot hold.
namespace CatalogueFixture {

// The first bytes of a 64-bit little-endian ELF file of the given type, with
// one program header: the interpreter's when interpreter is set.
inline QByteArray elf(quint16 type, bool interpreter, bool appImage = false)
{
    QByteArray bytes(64 + 56, '\0');
    bytes.replace(0, 4,
                  "\x7f"
                  "ELF");
    bytes[4] = 2; // 64 bit
    bytes[5] = 1; // little-endian
    bytes[6] = 1;
    if (appImage)
        bytes.replace(8, 3, QByteArray("AI\x02", 3));
    uchar *at = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint16>(type, at + 16);
    qToLittleEndian<quint64>(64, at + 32); // program headers right after this header
    qToLittleEndian<quint16>(56, at + 54);
    qToLittleEndian<quint16>(1, at + 56);
    qToLittleEndian<quint32>(interpreter ? 3 : 1, at + 64);
    return bytes + QByteArray(200, '\x01');
}

inline QByteArray zip()
{
    return QByteArray("PK\x03\x04", 4) + QByteArray(60, '\0');
}

inline QByteArray rar4()
{
    return QByteArray("Rar!\x1a\x07\x00", 7) + QByteArray(40, '\x05');
}

inline QByteArray rar5()
{
    return QByteArray("Rar!\x1a\x07\x01\x00", 8) + QByteArray(40, '\x05');
}

// A 32x32 red picture whose top-left quarter is transparent.
inline QByteArray png()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(qRgb(200, 0, 0));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            image.setPixel(x, y, qRgba(0, 0, 0, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

inline void write(const QString &path, const QByteArray &bytes, int mode = 0644)
{
    FileTree::write(path, bytes);
    ::chmod(QFile::encodeName(path).constData(), mode);
}

// Builds the medium below root; the links that lead out point into outside.
inline void makeMedium(const QString &root, const QString &outside)
{
    const auto at = [&root](const char *relative) { return root + QLatin1Char('/') + QString::fromUtf8(relative); };
    write(at("Programme/werkzeug.desktop"), "[Desktop Entry]\nType=Application\nName=Tool\nName[de]=Werkzeug\n"
                                            "Comment=A tool\nComment[de]=Ein Werkzeug\n"
                                            "Exec=./bin/werkzeug --start %U\nIcon=werkzeug\n"
                                            "[Desktop Action Neu]\nName=Neu\nExec=other\n");
    write(at("Programme/werkzeug.png"), png());
    write(at("Programme/bin/werkzeug"), elf(2, false), 0755);
    write(at("Programme/ohne-symbol.desktop"),
          "[Desktop Entry]\nName=Ohne Symbol\nExec=\"Mein Programm.AppImage\" %f\n");
    write(at("Programme/versteckt.desktop"), "[Desktop Entry]\nName=Weg\nExec=weg\nHidden=true\n");
    write(at("Programme/fehlt.desktop"), "[Desktop Entry]\nName=Fehlt\nExec=gibtesnicht\n");
    write(at("Programme/shell.desktop"), "[Desktop Entry]\nName=Shell\nExec=sh -c true\n");
    write(at("Programme/Mein Programm.AppImage"), elf(3, true, true), 0755);
    write(at("Programme/libhilfe.so.1"), elf(3, false), 0755);
    write(at("Programme/SETUP.EXE"), "MZ");
    write(at("Programme/INSTALL.BAT"), "@echo off\r\n");
    write(at("Programme/ALT.COM"), "\xb4\x09");
    write(at("Skripte/hallo"), "#!/bin/sh\necho hallo\n", 0755);
    write(at("Skripte/notiz.sh"), "#!/bin/sh\n");
    write(at("Skripte/start.sh"), "#!/bin/sh\n", 0755);
    write(at("Archive/daten.bin"), zip());
    write(at("Archive/paket.zip"), rar4());
    write(at("Archive/sicherung"), rar5());
    write(at("Archive/kaputt.zip"), QByteArray(64, '\x07'));
    write(at("Makros/start.mkr"), "; Start\r\n  <talvoren v4 makrodatei>  \r\nEXE 0\r\n");
    write(at("Makros/umbenannt"), "<Talvoren V4 Makrodatei>\r\n");
    write(at("Makros/kein-makro.mkr"), "nur Text\n");
    write(at("Dokumente/Bericht.pdf"), "%PDF-1.4\n%\xe2\xe3\xcf\xd3\n");
    write(at("Dokumente/liesmich.txt"), QByteArray(1234, 'a'));
    write(at("Dokumente/LIESMICH"), "Bitte lesen.\n");
    write(at("Dokumente/.versteckt.txt"), "psst");
    write(at("Dokumente/Tief/Ebene2/Ebene3/tief.txt"), "tief");
    write(at("Dokumente/Notiz "), "endet mit Leerzeichen");
    write(at("Dokumente/a\\b.txt"), "Rückstrich");
    const QByteArray latin1Name = QFile::encodeName(at("Dokumente/")) + "kaputt\xff.txt";
    ::close(::open(latin1Name.constData(), O_CREAT | O_WRONLY, 0644));
    write(at("Gesperrt/geheim.txt"), "geheim");
    ::chmod(QFile::encodeName(at("Gesperrt")).constData(), 0);
    QDir().mkpath(at("Leer"));
    write(outside + QStringLiteral("/keep.txt"), "outside");
    ::chmod(QFile::encodeName(outside).constData(), 0755);
    QFile::link(outside, at("raus"));
    QFile::link(outside + QStringLiteral("/keep.txt"), at("raus.txt"));
    QFile::link(QStringLiteral("Dokumente/liesmich.txt"), at("verweis.txt"));
    QFile::link(QStringLiteral("Dokumente"), at("ordnerverweis"));
    QFile::link(QStringLiteral("nirgends"), at("kaputt-verweis"));
    ::mkfifo(QFile::encodeName(at("rohr")).constData(), 0644);
    ::mknod(QFile::encodeName(at("geraet")).constData(), S_IFCHR | 0666, makedev(1, 3));
}

// The proposals below item, one line each, indented by depth: title, action,
// command and "-" for an unchecked one.
inline QStringList shape(const CatalogueItem &item, int depth = 0)
{
    QStringList lines;
    for (const auto &child : item.children()) {
        lines.append(QString(depth * 2, QLatin1Char(' ')) + child->title + QStringLiteral(" | ")
                     + QString::number(child->action()) + QStringLiteral(" | ") + child->command
                     + (child->checked ? QString() : QStringLiteral(" | -")));
        lines += shape(*child, depth + 1);
    }
    return lines;
}

// While it lives, the file system judges this thread as an ordinary user, so
// that a locked folder is locked for root too.
class OrdinaryUser {
public:
    OrdinaryUser()
        : m_previous(::setfsuid(65534))
    {
    }
    ~OrdinaryUser() { ::setfsuid(m_previous); }
    OrdinaryUser(const OrdinaryUser &) = delete;
    OrdinaryUser &operator=(const OrdinaryUser &) = delete;

private:
    int m_previous;
};

} // namespace CatalogueFixture
