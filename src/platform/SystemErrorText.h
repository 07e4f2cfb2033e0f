#pragma once

#include <QString>

// The system's reason for a failed file operation (an errno value) in
// German, for the messages that name it. Rare values without a text of
// their own give "Systemfehler" and the number.
QString SystemErrorText(int code);
