#include "common/WidgetMsgBoxHandler.h"

#include "common/TMsgBoxForm.h"

WidgetMsgBoxHandler::WidgetMsgBoxHandler()
    : m_form(std::make_unique<TMsgBoxForm>())
{
}

WidgetMsgBoxHandler::~WidgetMsgBoxHandler() = default;

int WidgetMsgBoxHandler::show(const MsgBox::Request &request)
{
    return m_form->execute(request);
}
