#pragma once

#include "common/Sound.h"
#include "common/WidgetMsgBoxHandler.h"

// The windowed program's answers to the seams: the message box window and
// the system beep. Created once, after the QApplication, for the whole run;
// the previous handlers come back when it goes.
class GuiSeams {
public:
    GuiSeams();
    ~GuiSeams();
    GuiSeams(const GuiSeams &) = delete;
    GuiSeams &operator=(const GuiSeams &) = delete;

    TMsgBoxForm *msgBoxForm() const { return m_msgBox.form(); }

private:
    WidgetMsgBoxHandler m_msgBox;
    MsgBox::Handler *m_previousMsgBox = nullptr;
    Sound::Handler m_previousSound;
};
