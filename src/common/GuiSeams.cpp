#include "common/GuiSeams.h"

#include <QApplication>

#include <utility>

GuiSeams::GuiSeams()
    : m_previousMsgBox(MsgBox::setHandler(&m_msgBox))
    , m_previousSound(Sound::setHandler([](int) { QApplication::beep(); }))
{
}

GuiSeams::~GuiSeams()
{
    Sound::setHandler(std::move(m_previousSound));
    MsgBox::setHandler(m_previousMsgBox);
}
