#pragma once

#include <QString>
#include <QStringList>

class ProjectEntry;
class ProjectTree;

// The search settings, kept for the whole program run.
struct SearchSettings {
    QString term;
    bool matchCase = false;
    bool startAtFirst = true;
    bool searchTitles = true;
    bool searchComments = false;
    bool searchCommands = false;

    bool anyField() const { return searchTitles || searchComments || searchCommands; }
};

// Earlier search terms, newest first; a term used again is inserted again.
class SearchHistory {
public:
    static constexpr int kMaxItems = 99;

    void add(const QString &term);
    const QStringList &items() const { return m_items; }

private:
    QStringList m_items;
};

// Settings and history of one main window.
struct SearchState {
    SearchSettings settings;
    SearchHistory history;
};

// Whether term occurs in text. Without matchCase only the letters A to Z are
// folded; umlauts and accented letters compare as they are.
bool ContainsSearchTerm(QStringView text, QStringView term, bool matchCase);

// Where a hit was found; the field that gets the focus.
enum class SearchField { None, Title, Comment, Command };

struct SearchResult {
    enum Outcome { EmptyTree, Found, NotFound };
    Outcome outcome = EmptyTree;
    // The entry to select: the hit, or the first entry when the search started
    // there without finding anything; nullptr leaves the selection alone.
    ProjectEntry *selection = nullptr;
    SearchField field = SearchField::None;
};

// Searches the entries in depth-first order, starting at the selected entry
// (or after it when continuing; at the first entry for a fresh search from
// the start or without a selection). Never wraps around.
SearchResult FindInTree(const ProjectTree &tree, ProjectEntry *selected, const SearchSettings &settings,
                        bool continueSearch);

// The box for an empty tree or for the end of the search, as result asks.
void ShowSearchOutcome(const SearchResult &result);
