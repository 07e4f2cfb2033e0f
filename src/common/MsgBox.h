#pragma once

#include <QString>

// The program's one message box. Callers use ShowMsgBox; what answers it is an
// installable handler: the real window, the console, or a test recorder.
namespace MsgBox {

enum Button : int {
    Yes = 1,
    No = 2,
    Ok = 4,
    Cancel = 8,
    Retry = 32,
    Ignore = 64,
    All = 128,
    Help = 256,
};

enum Icon : int { NoIcon = 0, Information = 1, Question = 2, Warning = 3, Error = 4 };

enum Sound : int {
    DefaultBeep = 0,
    ErrorBeep = 16,
    QuestionBeep = 32,
    ExclamationBeep = 48,
    InformationBeep = 64,
};

enum Result : int {
    ResultOk = 1,
    ResultCancel = 2,
    ResultRetry = 4,
    ResultIgnore = 5,
    ResultYes = 6,
    ResultNo = 7,
    ResultAll = 8,
};

struct Request {
    QString caption;
    QString text; // line breaks are single CR characters
    int icon = NoIcon;
    int sound = DefaultBeep;
    int buttons = Ok;
    int helpContext = 0;
    // The answer that leaves existing files as they were, for unattended use;
    // 0 lets the handler choose (No, else Cancel, else OK).
    int unattendedAnswer = 0;
};

class Handler {
public:
    virtual ~Handler() = default;
    virtual int show(const Request &request) = 0;
};

// Installs a handler and returns the previous one; nullptr restores the
// console handler. The caller keeps ownership.
Handler *setHandler(Handler *handler);
Handler *handler();

// Result for a button flag (Yes -> ResultYes ...); 0 for Help or unknown.
int resultOfButton(int button);

// Answer chosen when nobody can be asked.
int unattendedAnswer(const Request &request);

// Prints caption and text to standard error and answers unattended.
class ConsoleHandler : public Handler {
public:
    int show(const Request &request) override;
};

} // namespace MsgBox

int ShowMsgBox(const QString &caption, const QString &text, int icon, int sound, int buttons, int helpContext,
               int unattendedAnswer = 0);
