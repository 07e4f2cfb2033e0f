#pragma once

#include "common/MsgBox.h"

#include <memory>

class TMsgBoxForm;

// Answers ShowMsgBox with the message box window; one window for all boxes.
class WidgetMsgBoxHandler : public MsgBox::Handler {
public:
    WidgetMsgBoxHandler();
    ~WidgetMsgBoxHandler() override;

    int show(const MsgBox::Request &request) override;
    TMsgBoxForm *form() const { return m_form.get(); }

private:
    std::unique_ptr<TMsgBoxForm> m_form;
};
