#pragma once

#include "tree/TreeSearch.h"

#include <QObject>

class TMainForm;

// The main window's search, go-to and sort commands, with the search
// settings and history that live as long as the window.
class SearchCommands : public QObject {
    Q_OBJECT

public:
    explicit SearchCommands(TMainForm &form);

    const SearchState &state() const { return m_state; }

    void MainMenu_Suchen_Suchen_OnClick();
    void MainMenu_Suchen_Weitersuchen_OnClick();
    void MainMenu_Suchen_GeheZu_OnClick();
    void MainMenu_Bearbeiten_Sortieren_OnClick();

private:
    void runSearch(bool continueSearch);
    void focusField(SearchField field);

    TMainForm &m_form;
    SearchState m_state;
};
