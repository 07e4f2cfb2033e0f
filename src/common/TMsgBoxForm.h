#pragma once

#include "common/MsgBox.h"

#include <QDialog>
#include <QList>

class QFrame;
class QLabel;
class QPushButton;
struct MsgBoxGeometry;

// The program's message box: sized to its text, one of four icons, any of
// eight buttons in one centred row. One instance serves the whole run.
class TMsgBoxForm : public QDialog {
    Q_OBJECT

public:
    explicit TMsgBoxForm(QWidget *parent = nullptr);

    // Sets caption, text, icon, buttons, size, position and help context.
    void prepare(const MsgBox::Request &request);
    // Prepares the box, plays its sound and runs it modally; returns a
    // MsgBox::Result.
    int execute(const MsgBox::Request &request);

    // Escape and closing by the frame answer Cancel.
    void reject() override;

private:
    struct ButtonSlot {
        QPushButton *button;
        int flag;
    };
    struct ButtonRow {
        int count = 0;
        int widest = 0; // widest size hint among the visible buttons
    };

    void createButtons();
    // Shows the buttons of the flags, hides the others.
    ButtonRow showButtons(int flags);
    void showIcon(int kind);
    MsgBoxGeometry measure(const QString &caption, const QString &text, const ButtonRow &row) const;
    void placeButtons(const MsgBoxGeometry &geometry);
    void centreOnScreen();
    void Button_Hilfe_OnClick();

    QLabel *m_text = nullptr;
    QFrame *m_iconFrame = nullptr;
    QList<QLabel *> m_images;
    QList<ButtonSlot> m_buttons;
    int m_helpContext = 0;
};
