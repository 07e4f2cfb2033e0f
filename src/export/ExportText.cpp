#include "export/ExportText.h"

#include "platform/TextFile.h"
#include "project/ProjectTree.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

constexpr ExportField kOrders[kExportOrderCount][3] = {
    {ExportField::Title, ExportField::Comment, ExportField::Command},
    {ExportField::Title, ExportField::Command, ExportField::Comment},
    {ExportField::Comment, ExportField::Title, ExportField::Command},
    {ExportField::Comment, ExportField::Command, ExportField::Title},
    {ExportField::Command, ExportField::Title, ExportField::Comment},
    {ExportField::Command, ExportField::Comment, ExportField::Title},
};

// Calls visit(entry, level) for every entry in display order, without
// recursion so that a deep chain of entries cannot exhaust the stack.
template <typename Visit>
void walk(const ProjectTree &tree, Visit &&visit)
{
    std::vector<std::pair<const ProjectEntry *, int>> stack;
    const ProjectEntry *root = tree.root();
    for (int row = root->childCount() - 1; row >= 0; --row)
        stack.emplace_back(root->child(row), 0);
    while (!stack.empty()) {
        const auto [entry, level] = stack.back();
        stack.pop_back();
        visit(*entry, level);
        for (int row = entry->childCount() - 1; row >= 0; --row)
            stack.emplace_back(entry->child(row), level + 1);
    }
}

QString indentation(int level, int blanksPerLevel)
{
    return QString(qsizetype(std::min(level, kMaxDrawnLevels)) * blanksPerLevel, QLatin1Char(' '));
}

QString trimmedTitle(const ProjectEntry &entry)
{
    return TextFile::trimmed(QStringView(entry.title)).toString();
}

const ExportArea &areaOf(const ExportFields &fields, ExportField field)
{
    switch (field) {
    case ExportField::Title:
        return fields.title;
    case ExportField::Comment:
        return fields.comment;
    case ExportField::Command:
        break;
    }
    return fields.command;
}

// The lines of one field of entry, without indentation or separator.
QStringList fieldLines(const ProjectEntry &entry, ExportField field)
{
    switch (field) {
    case ExportField::Title:
        return {trimmedTitle(entry)};
    case ExportField::Comment:
        return entry.record.comment;
    case ExportField::Command:
        break;
    }
    return {entry.record.command};
}

void composeStructured(const ProjectTree &tree, const TextExportOptions &options, const ExportLineSink &sink)
{
    const ExportField *order = ExportOrder(options.order);
    walk(tree, [&](const ProjectEntry &entry, int level) {
        const QString indent = indentation(level, options.blanksPerLevel);
        for (int i = 0; i < 3; ++i) {
            const ExportArea &area = areaOf(options.fields, order[i]);
            if (!area.enabled)
                continue;
            const QString lead = options.useSeparators ? indent + area.separator : indent;
            for (const QString &line : fieldLines(entry, order[i]))
                sink(lead + line);
        }
    });
}

// The cells of one entry, one list per column; the title indented.
std::array<QStringList, 3> entryCells(const ProjectEntry &entry, int level, const std::vector<ExportField> &columns,
                                      int blanksPerLevel)
{
    std::array<QStringList, 3> cells;
    for (size_t c = 0; c < columns.size(); ++c) {
        cells[c] = fieldLines(entry, columns[c]);
        if (columns[c] == ExportField::Title)
            cells[c].first().prepend(indentation(level, blanksPerLevel));
    }
    return cells;
}

// Two walks: the first finds each column's width, the second writes the
// lines, so that the text never has to be held as cells.
void composeTable(const ProjectTree &tree, const TextExportOptions &options, const ExportLineSink &sink)
{
    const ExportField *order = ExportOrder(options.order);
    std::vector<ExportField> columns;
    for (int i = 0; i < 3; ++i) {
        if (areaOf(options.fields, order[i]).enabled)
            columns.push_back(order[i]);
    }
    if (columns.empty())
        return;

    std::array<qsizetype, 3> widths{0, 0, 0};
    walk(tree, [&](const ProjectEntry &entry, int level) {
        const std::array<QStringList, 3> cells = entryCells(entry, level, columns, options.blanksPerLevel);
        for (size_t c = 0; c < columns.size(); ++c) {
            for (const QString &cell : cells[c])
                widths[c] = std::max(widths[c], cell.size());
        }
    });
    walk(tree, [&](const ProjectEntry &entry, int level) {
        const std::array<QStringList, 3> cells = entryCells(entry, level, columns, options.blanksPerLevel);
        qsizetype height = 0;
        for (size_t c = 0; c < columns.size(); ++c)
            height = std::max(height, cells[c].size());
        for (qsizetype r = 0; r < height; ++r) {
            // Padding only where a later cell of the row follows.
            size_t last = 0;
            for (size_t c = 0; c < columns.size(); ++c) {
                if (r < cells[c].size() && !cells[c].at(r).isEmpty())
                    last = c;
            }
            QString line;
            for (size_t c = 0; c <= last; ++c) {
                const QString cell = cells[c].value(r);
                line += areaOf(options.fields, columns[c]).separator;
                line += c == last ? cell : cell.leftJustified(widths[c]);
            }
            sink(line);
        }
    });
}

bool deeperThanDrawn(const ProjectTree &tree)
{
    bool deeper = false;
    walk(tree, [&](const ProjectEntry &, int level) { deeper = deeper || level > kMaxDrawnLevels; });
    return deeper;
}

} // namespace

const QString kIndentCappedNote =
    QStringLiteral("(Einträge unterhalb der Ebene %1 sind nicht weiter eingerückt.)").arg(kMaxDrawnLevels);

ExportFields ExportFields::fromSettings(const Settings &settings)
{
    return {settings.titleArea, settings.commentArea, settings.commandArea};
}

void RenderProjectText(QStringList &lines, const ProjectTree &tree, const ExportFields &fields)
{
    lines.clear();
    walk(tree, [&](const ProjectEntry &entry, int level) {
        const QString indent = indentation(level, 1);
        if (fields.title.enabled)
            lines.append(indent + fields.title.separator + trimmedTitle(entry));
        if (fields.comment.enabled) {
            const QString lead = indent + fields.comment.separator;
            for (const QString &line : entry.record.comment)
                lines.append(lead + line);
        }
        if (fields.command.enabled)
            lines.append(indent + fields.command.separator + entry.record.command);
    });
    if (!lines.isEmpty() && deeperThanDrawn(tree))
        lines.append(kIndentCappedNote);
}

bool SetFieldsFromLetters(const QString &letters, ExportFields &fields)
{
    fields.title.enabled = fields.comment.enabled = fields.command.enabled = false;
    for (const QChar letter : letters) {
        switch (letter.toLower().unicode()) {
        case 'b':
            fields.title.enabled = true;
            break;
        case 'c':
            fields.comment.enabled = true;
            break;
        case 't':
            fields.command.enabled = true;
            break;
        default:
            return false;
        }
    }
    return true;
}

QString FieldLettersError(const QString &letters)
{
    return QStringLiteral("Fehler: --fields erlaubt nur b (Bezeichnung), c (Kommentar) und t (Befehlszeile), nicht "
                          "\"%1\".")
        .arg(letters);
}

const ExportField *ExportOrder(int order)
{
    return kOrders[std::clamp(order, 0, kExportOrderCount - 1)];
}

void ComposeExportText(const ProjectTree &tree, const TextExportOptions &options, const ExportLineSink &sink)
{
    bool any = false;
    const ExportLineSink counted = [&](const QString &line) {
        any = true;
        sink(line);
    };
    if (options.sideBySide)
        composeTable(tree, options, counted);
    else
        composeStructured(tree, options, counted);
    if (any && deeperThanDrawn(tree))
        sink(kIndentCappedNote);
}

QStringList ComposeExportText(const ProjectTree &tree, const TextExportOptions &options)
{
    QStringList lines;
    ComposeExportText(tree, options, [&lines](const QString &line) { lines.append(line); });
    return lines;
}
