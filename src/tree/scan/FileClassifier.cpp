#include "tree/scan/FileClassifier.h"

#include "common/FileUtils.h"

#include <QtEndian>

namespace {

bool isDocumentType(const QMimeType &type)
{
    static const char *const prefixes[] = {
        "text/",
        "image/",
        "audio/",
        "video/",
        "application/vnd.oasis.opendocument.",
        "application/vnd.openxmlformats-officedocument.",
        "application/vnd.ms-",
        "application/msword",
        "application/pdf",
        "application/rtf",
        "application/xhtml+xml",
        "application/epub+zip",
    };
    const QString name = type.name();
    for (const char *prefix : prefixes) {
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return type.inherits(QStringLiteral("text/plain"));
}

bool namesArchive(const QMimeType &type)
{
    static const QStringList archives{QStringLiteral("application/zip"), QStringLiteral("application/vnd.rar"),
                                      QStringLiteral("application/x-rar"),
                                      QStringLiteral("application/x-rar-compressed")};
    return archives.contains(type.name());
}

QString commentOf(const QMimeType &type)
{
    const QString comment = type.comment();
    return comment.isEmpty() ? QStringLiteral("Dokument") : comment;
}

// The last two parts after dots, lower-case ("so.1", "tar.gz", "pdf"), so
// that names made of two parts find their type too; empty without a suffix.
QString lowerSuffix(QStringView name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot + 1 == name.size())
        return {};
    const qsizetype before = name.lastIndexOf(QLatin1Char('.'), dot - 1);
    return name.sliced(before > 0 ? before + 1 : dot + 1).toString().toLower();
}

} // namespace

const FileClassifier::NameClass &FileClassifier::byName(const QString &suffix)
{
    auto found = m_suffixes.constFind(suffix);
    if (found == m_suffixes.cend())
        found = m_suffixes.insert(suffix, lookUp(suffix));
    return *found;
}

FileClassifier::NameClass FileClassifier::lookUp(const QString &suffix) const
{
    const QStringView last = QStringView(suffix).sliced(suffix.lastIndexOf(QLatin1Char('.')) + 1);
    if (suffix.isEmpty() || last == QLatin1String("mkr"))
        return {Verdict::ByContent, {}};
    if (last == QLatin1String("desktop"))
        return {Verdict::Desktop, QStringLiteral("Desktop-Verknüpfung")};
    if (last == QLatin1String("exe"))
        return {Verdict::Program, QStringLiteral("Windows-Programm")};
    if (last == QLatin1String("com"))
        return {Verdict::Program, QStringLiteral("DOS-Programm")};
    if (last == QLatin1String("bat"))
        return {Verdict::Program, QStringLiteral("Stapelverarbeitungsdatei")};
    if (last == QLatin1String("appimage"))
        return {Verdict::Program, QStringLiteral("AppImage-Programm")};

    const QList<QMimeType> types = m_mimeTypes.mimeTypesForFileName(QStringLiteral("x.") + suffix);
    if (types.isEmpty() || types.first().isDefault() || namesArchive(types.first()))
        return {Verdict::ByContent, {}};
    const QMimeType &type = types.first();
    if (type.inherits(QStringLiteral("application/x-executable")) && type.inherits(QStringLiteral("text/plain")))
        return {Verdict::Script, commentOf(type)};
    if (isDocumentType(type))
        return {Verdict::Document, commentOf(type)};
    return {Verdict::Ignore, {}};
}

std::optional<FileClass> FileClassifier::classify(QStringView name, bool executable,
                                                  const std::function<QByteArray()> &head)
{
    const NameClass &known = byName(lowerSuffix(name));
    switch (known.verdict) {
    case Verdict::Desktop:
        return FileClass{CatalogueKind::Desktop, known.typeName};
    case Verdict::Program:
        return FileClass{CatalogueKind::Program, known.typeName};
    case Verdict::Script:
        return FileClass{executable ? CatalogueKind::Program : CatalogueKind::Document, known.typeName};
    case Verdict::Document:
        return FileClass{CatalogueKind::Document, known.typeName};
    case Verdict::Ignore:
        return std::nullopt;
    case Verdict::ByContent:
        break;
    }
    return byContent(head(), executable);
}

std::optional<FileClass> FileClassifier::byContent(QByteArrayView head, bool executable)
{
    using namespace FileSignature;
    if (isRar(head))
        return FileClass{CatalogueKind::RarArchive, QStringLiteral("RAR-Archiv")};
    if (isZip(head))
        return FileClass{CatalogueKind::ZipArchive, QStringLiteral("ZIP-Archiv")};
    if (hasMacroHeader(head))
        return FileClass{CatalogueKind::Macro, QStringLiteral("Brekko-Makrodatei")};
    if (executable && isElfProgram(head))
        return FileClass{CatalogueKind::Program,
                         isAppImage(head) ? QStringLiteral("AppImage-Programm") : QStringLiteral("Programm (ELF)")};
    if (executable && isScript(head))
        return FileClass{CatalogueKind::Program, QStringLiteral("Skript")};
    const QString type = documentType(head);
    if (type.isEmpty())
        return std::nullopt;
    return FileClass{CatalogueKind::Document, typeName(type)};
}

QString FileClassifier::typeName(const QString &mimeType)
{
    auto found = m_typeNames.constFind(mimeType);
    if (found == m_typeNames.cend())
        found = m_typeNames.insert(mimeType, commentOf(m_mimeTypes.mimeTypeForName(mimeType)));
    return *found;
}

namespace FileSignature {

bool isRar(QByteArrayView head)
{
    return head.startsWith(QByteArrayView("Rar!\x1a\x07\x00", 7))
           || head.startsWith(QByteArrayView("Rar!\x1a\x07\x01\x00", 8));
}

bool isZip(QByteArrayView head)
{
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06") || head.startsWith("PK\x07\x08");
}

namespace {

// Reads the ELF header fields in the file's byte order.
class ElfHeader {
public:
    explicit ElfHeader(QByteArrayView head)
        : m_head(head)
        , m_wide(head.size() > 4 && head[4] == 2)
        , m_big(head.size() > 5 && head[5] == 2)
    {
    }

    bool wide() const { return m_wide; }
    bool has(qint64 offset, qint64 size) const { return offset >= 0 && offset + size <= m_head.size(); }
    quint64 number(qint64 offset, int size) const
    {
        if (!has(offset, size))
            return 0;
        const uchar *at = reinterpret_cast<const uchar *>(m_head.data()) + offset;
        switch (size) {
        case 2:
            return m_big ? qFromBigEndian<quint16>(at) : qFromLittleEndian<quint16>(at);
        case 4:
            return m_big ? qFromBigEndian<quint32>(at) : qFromLittleEndian<quint32>(at);
        default:
            return m_big ? qFromBigEndian<quint64>(at) : qFromLittleEndian<quint64>(at);
        }
    }

private:
    QByteArrayView m_head;
    bool m_wide;
    bool m_big;
};

constexpr quint64 kFixedAddressProgram = 2;
constexpr quint64 kPositionIndependent = 3;
constexpr quint64 kInterpreterSegment = 3;

} // namespace

bool isElfProgram(QByteArrayView head)
{
    if (!head.startsWith("\x7f"
                         "ELF")
        || head.size() < 52)
        return false;
    const ElfHeader elf(head);
    const quint64 type = elf.number(16, 2);
    if (type == kFixedAddressProgram)
        return true;
    if (type != kPositionIndependent)
        return false;
    const qint64 tableAt = qint64(elf.wide() ? elf.number(32, 8) : elf.number(28, 4));
    const qint64 entrySize = qint64(elf.number(elf.wide() ? 54 : 42, 2));
    const qint64 entries = qint64(elf.number(elf.wide() ? 56 : 44, 2));
    for (qint64 i = 0; i < entries; ++i) {
        const qint64 at = tableAt + i * entrySize;
        // A table beyond the bytes read cannot tell; the executable bit has.
        if (!elf.has(at, 4))
            return true;
        if (elf.number(at, 4) == kInterpreterSegment)
            return true;
    }
    return false;
}

bool isAppImage(QByteArrayView head)
{
    return head.size() > 10 && head[8] == 'A' && head[9] == 'I' && (head[10] == 1 || head[10] == 2);
}

bool isScript(QByteArrayView head)
{
    return head.startsWith("#!");
}

QString documentType(QByteArrayView head)
{
    struct Magic {
        int offset;
        QByteArrayView bytes;
        const char *type;
    };
    static const Magic magics[] = {
        {0, "%PDF-", "application/pdf"},
        {0, "\x89PNG\r\n\x1a\n", "image/png"},
        {0, "\xff\xd8\xff", "image/jpeg"},
        {0, "GIF8", "image/gif"},
        {0, "ID3", "audio/mpeg"},
        {0, "fLaC", "audio/flac"},
        {0, "OggS", "audio/ogg"},
        {8, "WAVE", "audio/x-wav"},
        {8, "AVI ", "video/x-msvideo"},
        {4, "ftyp", "video/mp4"},
        {0, "\x1a\x45\xdf\xa3", "video/x-matroska"},
    };
    for (const Magic &magic : magics) {
        if (head.size() >= magic.offset + magic.bytes.size() && head.sliced(magic.offset).startsWith(magic.bytes))
            return QString::fromLatin1(magic.type);
    }
    if (head.isEmpty())
        return {};
    for (const char byte : head) {
        const auto code = static_cast<uchar>(byte);
        if (code < 0x20 && code != '\t' && code != '\n' && code != '\r' && code != '\f' && code != 0x1b)
            return {};
    }
    return QStringLiteral("text/plain");
}

bool hasMacroHeader(QByteArrayView head)
{
    const QByteArray header = ProjectFileFormat::macroHeader.toLatin1();
    qsizetype start = 0;
    while (start < head.size()) {
        qsizetype end = start;
        while (end < head.size() && head[end] != '\n' && head[end] != '\r')
            ++end;
        if (head.sliced(start, end - start).trimmed().compare(header, Qt::CaseInsensitive) == 0)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace FileSignature
