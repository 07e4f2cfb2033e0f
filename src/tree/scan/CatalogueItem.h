#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// What a proposal stands for; it decides the entry's action.
enum class CatalogueKind : quint8 { Folder, Program, Desktop, RarArchive, ZipArchive, Macro, Document };

// One proposed entry of a catalogue: a folder holds the proposals of its
// contents. The comment of a file without its own description is made from
// its type name, size and date when asked for.
class CatalogueItem {
public:
    using Children = std::vector<std::unique_ptr<CatalogueItem>>;

    explicit CatalogueItem(CatalogueKind kind = CatalogueKind::Folder);
    ~CatalogueItem();
    CatalogueItem(const CatalogueItem &) = delete;
    CatalogueItem &operator=(const CatalogueItem &) = delete;

    CatalogueKind kind;
    bool checked = true;
    QString title;
    // As the entry stores it: drive-independent on the project's volume.
    QString command;
    QString typeName;
    // The file's own description (a desktop entry's comment); empty: type,
    // size and date.
    QStringList description;
    qint64 size = -1; // -1 for folders
    qint64 modifiedMs = -1;
    // Full path of the picture shown for the entry; empty: the automatic one.
    QString iconFile;

    int action() const;
    QStringList comment() const;

    CatalogueItem *parent() const { return m_parent; }
    int row() const { return m_row; }
    const Children &children() const { return m_children; }
    int childCount() const { return static_cast<int>(m_children.size()); }
    CatalogueItem *child(int row) const { return m_children[static_cast<size_t>(row)].get(); }
    CatalogueItem *append(std::unique_ptr<CatalogueItem> child);
    // Moves the children of child into its place, in their order.
    void dissolve(int row);
    // Moves the children from row on before the others, in their order.
    void moveToFront(int row);

private:
    void renumberFrom(int row);

    CatalogueItem *m_parent = nullptr;
    int m_row = 0;
    Children m_children;
};

// "Ausführen", "Dateimanager", ... for an action number.
QString ActionCaption(int action);

// "Typ: ...", "Größe: 1.234 Bytes" (files only) and "Datum: 05.03.2024 14:07".
QStringList FileFactsComment(const QString &typeName, qint64 size, qint64 modifiedMs);
