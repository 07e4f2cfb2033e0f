#pragma once

#include <QString>

// The macro interpreter: runs the commands of a macro file (*.mkr) line by
// line. Faults are reported through the message box; nothing is thrown.
void RunMacroFile(const QString &fileName);

namespace MacroFile {

// The TST reporting switch. It is on when the program starts and keeps its
// value from one macro run to the next.
bool reportingSwitch();
// Puts the switch back to its start-up value (on), for tests.
void resetReportingSwitch();

} // namespace MacroFile
