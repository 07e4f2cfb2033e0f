#pragma once

#include "tree/TreeSearch.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

// "Begriff suchen": the search term with its history, the fields to search
// and where to start. Accepting stores term and settings in the state.
class TSuchenForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 40400;

    explicit TSuchenForm(SearchState &state, QWidget *parent = nullptr);

private:
    void updateStartButton();
    void Button_Starten_OnClick();

    SearchState &m_state;
    QComboBox *m_term = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QRadioButton *m_startAtFirst = nullptr;
    QRadioButton *m_startAtCurrent = nullptr;
    QCheckBox *m_titles = nullptr;
    QCheckBox *m_comments = nullptr;
    QCheckBox *m_commands = nullptr;
    QPushButton *m_start = nullptr;
};
