#pragma once

#include "common/ScopedSeam.h"

#include <functional>

class QDialog;

// Every dialog of the program runs through RunModal. A test installs a
// handler that receives the dialog, fills it by object name and returns the
// result instead of a person.
namespace ModalSeam {

using Handler = std::function<int(QDialog *dialog)>;

// Installs a handler and returns the previous one; an empty handler lets
// dialogs run for real.
Handler setHandler(Handler handler);

// Installs a handler for its lifetime.
using ScopedHandler = ScopedSeam<Handler, &setHandler>;

} // namespace ModalSeam

// Runs dialog modally and returns its result. With a handler installed the
// dialog is shown modally, handed to the handler and hidden again; the
// handler's answer is the result. Afterwards the window that was active is
// active again, with the focus where it was.
int RunModal(QDialog *dialog);
