#pragma once

#include "tree/scan/CatalogueItem.h"

#include <QByteArrayView>
#include <QHash>
#include <QMimeDatabase>

#include <functional>
#include <optional>

// What a file found on a medium becomes, told by its name where the name
// says enough and by its first bytes only for archives, macro files and
// names without a known type.
struct FileClass {
    CatalogueKind kind = CatalogueKind::Document;
    QString typeName;
};

class FileClassifier {
public:
    // Bytes read from the start of a file for the content tests.
    static constexpr int kHeadSize = 4096;

    // nullopt: the file is not proposed. head is called at most once, and
    // only when the content decides.
    std::optional<FileClass> classify(QStringView name, bool executable, const std::function<QByteArray()> &head);

private:
    enum class Verdict : quint8 { Desktop, Program, Script, Document, ByContent, Ignore };
    struct NameClass {
        Verdict verdict = Verdict::ByContent;
        QString typeName;
    };

    const NameClass &byName(const QString &suffix);
    NameClass lookUp(const QString &suffix) const;
    std::optional<FileClass> byContent(QByteArrayView head, bool executable);
    // The German name of a MIME type, looked up once.
    QString typeName(const QString &mimeType);

    QMimeDatabase m_mimeTypes;
    // Keyed by the last two suffixes, lower-case; one look-up per key and run.
    QHash<QString, NameClass> m_suffixes;
    QHash<QString, QString> m_typeNames;
};

// Content tests on the first bytes of a file.
namespace FileSignature {
bool isRar(QByteArrayView head);
bool isZip(QByteArrayView head);
// An ELF program (not a library): a fixed-address executable, or a
// position-independent one that names a program interpreter.
bool isElfProgram(QByteArrayView head);
bool isAppImage(QByteArrayView head);
bool isScript(QByteArrayView head);
// The MIME type of a document the desktop opens, told by the first bytes:
// PDF, pictures, audio, video, or text (no control characters); empty for
// anything else.
QString documentType(QByteArrayView head);
// One of the lines within head is the macro file header.
bool hasMacroHeader(QByteArrayView head);
} // namespace FileSignature
