#pragma once

#include <functional>

// Opens the help file at a context number. The help window installs itself
// as the handler; without one nothing is shown.
namespace Help {

using Handler = std::function<void(int context)>;

// Installs a handler and returns the previous one.
Handler setHandler(Handler handler);

} // namespace Help

void ShowHelp(int context);

class QObject;

// The help context a window (or message box) carries for F1; -1 when it
// carries none.
void SetHelpContext(QObject *window, int context);
int HelpContextOf(const QObject *window);
