#pragma once

#include <QString>

// The German text for a shell result of 32 or less; empty for a success
// (above 32).
QString ShellErrorText(int shellResult);

// Starts the program or opens the document that line names. The program is
// the whole line when that names an existing file or folder, else its first
// word, the rest being its parameters. errorText receives the failure text or
// is left empty; with showErrors a failure is also shown in a box. True when
// the start succeeded.
bool ExecuteCommandLine(const QString &line, bool showErrors, QString &errorText);
