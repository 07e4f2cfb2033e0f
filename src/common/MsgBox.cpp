#include "common/MsgBox.h"

#include <cstdio>

namespace MsgBox {

namespace {
ConsoleHandler &consoleHandler()
{
    static ConsoleHandler console;
    return console;
}
Handler *g_handler = nullptr;
} // namespace

Handler *setHandler(Handler *newHandler)
{
    Handler *previous = handler();
    g_handler = newHandler;
    return previous == &consoleHandler() ? nullptr : previous;
}

Handler *handler()
{
    return g_handler ? g_handler : &consoleHandler();
}

int resultOfButton(int button)
{
    switch (button) {
    case Yes:
        return ResultYes;
    case No:
        return ResultNo;
    case Ok:
        return ResultOk;
    case Cancel:
        return ResultCancel;
    case Retry:
        return ResultRetry;
    case Ignore:
        return ResultIgnore;
    case All:
        return ResultAll;
    default:
        return 0;
    }
}

int unattendedAnswer(const Request &request)
{
    if (request.unattendedAnswer != 0)
        return request.unattendedAnswer;
    if (request.buttons & No)
        return ResultNo;
    if (request.buttons & Cancel)
        return ResultCancel;
    return ResultOk;
}

int ConsoleHandler::show(const Request &request)
{
    QString text = request.text;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    std::fprintf(stderr, "%s\n%s\n", qPrintable(request.caption), qPrintable(text));
    return unattendedAnswer(request);
}

} // namespace MsgBox

int ShowMsgBox(const QString &caption, const QString &text, int icon, int sound, int buttons, int helpContext,
               int unattendedAnswer)
{
    MsgBox::Request request{caption, text, icon, sound, buttons, helpContext, unattendedAnswer};
    return MsgBox::handler()->show(request);
}
