#include "tree/scan/CatalogueItem.h"

#include "common/FileUtils.h"
#include "project/ProjectEntry.h"

#include <QDateTime>

#include <algorithm>

CatalogueItem::CatalogueItem(CatalogueKind kind)
    : kind(kind)
{
}

// Iterative, so that a deeply nested folder cannot exhaust the stack.
CatalogueItem::~CatalogueItem()
{
    Children pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<CatalogueItem> item = std::move(pending.back());
        pending.pop_back();
        for (auto &child : item->m_children)
            pending.push_back(std::move(child));
        item->m_children.clear();
    }
}

int CatalogueItem::action() const
{
    switch (kind) {
    case CatalogueKind::Folder:
        return ActionFileManager;
    case CatalogueKind::RarArchive:
        return ActionUnrar;
    case CatalogueKind::ZipArchive:
        return ActionUnzip;
    case CatalogueKind::Macro:
        return ActionMacro;
    case CatalogueKind::Program:
    case CatalogueKind::Desktop:
    case CatalogueKind::Document:
        break;
    }
    return ActionExecute;
}

QStringList CatalogueItem::comment() const
{
    if (!description.isEmpty())
        return description;
    return FileFactsComment(typeName, size, modifiedMs);
}

CatalogueItem *CatalogueItem::append(std::unique_ptr<CatalogueItem> child)
{
    child->m_parent = this;
    child->m_row = childCount();
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

void CatalogueItem::dissolve(int row)
{
    Children moved = std::move(child(row)->m_children);
    m_children.erase(m_children.begin() + row);
    m_children.insert(m_children.begin() + row, std::make_move_iterator(moved.begin()),
                      std::make_move_iterator(moved.end()));
    renumberFrom(row);
}

void CatalogueItem::moveToFront(int row)
{
    std::rotate(m_children.begin(), m_children.begin() + row, m_children.end());
    renumberFrom(0);
}

void CatalogueItem::renumberFrom(int row)
{
    for (int i = row; i < childCount(); ++i) {
        m_children[static_cast<size_t>(i)]->m_parent = this;
        m_children[static_cast<size_t>(i)]->m_row = i;
    }
}

QString ActionCaption(int action)
{
    static const char *const captions[] = {"Keine Aktion", "Ausführen", "Dateimanager", "UnRar", "UnZip", "Makro"};
    if (action < 0 || action > kLastAction)
        return {};
    return QString::fromUtf8(captions[action]);
}

QStringList FileFactsComment(const QString &typeName, qint64 size, qint64 modifiedMs)
{
    QStringList lines{QStringLiteral("Typ: ") + typeName};
    if (size >= 0)
        lines.append(QStringLiteral("Größe: ") + FormatThousands(size) + QStringLiteral(" Bytes"));
    if (modifiedMs >= 0) {
        const QDateTime date = QDateTime::fromMSecsSinceEpoch(modifiedMs);
        lines.append(QStringLiteral("Datum: ") + date.toString(QStringLiteral("dd.MM.yyyy HH:mm")));
    }
    return lines;
}
