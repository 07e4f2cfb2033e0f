#include "tree/TreeSearch.h"

#include "common/MsgBox.h"
#include "project/ProjectTree.h"

namespace {

const QChar CR = QLatin1Char('\r');

inline char16_t foldAsciiUpper(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? char16_t(c + (u'a' - u'A')) : c;
}

bool containsFolded(QStringView text, QStringView term)
{
    const qsizetype last = text.size() - term.size();
    for (qsizetype start = 0; start <= last; ++start) {
        qsizetype i = 0;
        while (i < term.size() && foldAsciiUpper(text[start + i].unicode()) == foldAsciiUpper(term[i].unicode()))
            ++i;
        if (i == term.size())
            return true;
    }
    return false;
}

SearchField fieldHit(const ProjectEntry &entry, const SearchSettings &settings)
{
    if (settings.searchTitles && ContainsSearchTerm(entry.title, settings.term, settings.matchCase))
        return SearchField::Title;
    if (settings.searchComments) {
        for (const QString &line : entry.record.comment) {
            if (ContainsSearchTerm(line, settings.term, settings.matchCase))
                return SearchField::Comment;
        }
    }
    if (settings.searchCommands && ContainsSearchTerm(entry.record.command, settings.term, settings.matchCase))
        return SearchField::Command;
    return SearchField::None;
}

void showEmptyTree()
{
    ShowMsgBox(QStringLiteral("Fehler: Keine Einträge vorhanden..."),
               QStringLiteral("Der Begriff kann nicht gesucht werden, da keine") + CR
                   + QStringLiteral("Projekt-/Baumeinträge vorhanden sind."),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80310);
}

void showSearchFinished()
{
    ShowMsgBox(QStringLiteral("Suche abgeschlossen"),
               QStringLiteral("Es konnte kein weiterer Projekteintrag gefunden") + CR
                   + QStringLiteral("werden, der den angegebenen Suchbegriff enthält."),
               MsgBox::Question, MsgBox::QuestionBeep, MsgBox::Ok | MsgBox::Help, 80320);
}

} // namespace

void SearchHistory::add(const QString &term)
{
    m_items.prepend(term);
    if (m_items.size() > kMaxItems)
        m_items.removeLast();
}

bool ContainsSearchTerm(QStringView text, QStringView term, bool matchCase)
{
    if (matchCase)
        return text.contains(term, Qt::CaseSensitive);
    return containsFolded(text, term);
}

SearchResult FindInTree(const ProjectTree &tree, ProjectEntry *selected, const SearchSettings &settings,
                        bool continueSearch)
{
    SearchResult result;
    const std::vector<ProjectEntry *> &entries = tree.preOrder();
    if (entries.empty())
        return result;
    // Without a selection the first entry is a candidate too, also when
    // continuing, so that a hit there is not skipped.
    qsizetype candidate = 0;
    if (!selected || (!continueSearch && settings.startAtFirst))
        result.selection = entries.front();
    else
        candidate = tree.absoluteIndex(selected) + (continueSearch ? 1 : 0);
    result.outcome = SearchResult::NotFound;
    for (auto it = entries.begin() + candidate; it != entries.end(); ++it) {
        const SearchField field = fieldHit(**it, settings);
        if (field != SearchField::None) {
            result.outcome = SearchResult::Found;
            result.selection = *it;
            result.field = field;
            break;
        }
    }
    return result;
}

void ShowSearchOutcome(const SearchResult &result)
{
    if (result.outcome == SearchResult::EmptyTree)
        showEmptyTree();
    else if (result.outcome == SearchResult::NotFound)
        showSearchFinished();
}
