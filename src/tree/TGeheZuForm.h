#pragma once

#include <QDialog>

class QLineEdit;
class QToolButton;

// "Gehe zu...": asks for the position of the entry to jump to.
class TGeheZuForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 40410;

    // entryCount bounds the spin buttons; currentPosition (0: no selection)
    // is proposed.
    TGeheZuForm(int entryCount, int currentPosition, QWidget *parent = nullptr);

    // The position accepted with "Gehe"; 0 before.
    int position() const { return m_position; }

private:
    void step(int delta);
    void Button_Gehe_OnClick();

    int m_entryCount;
    int m_position = 0;
    QLineEdit *m_field = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
};
