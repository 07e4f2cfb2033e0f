#pragma once

#include <QString>

// What the command field and its five action buttons do with the field's
// current text (not the entry's stored command line).
namespace CommandActions {

// The field's tool tip for text, by how it expands on the project drive.
QString fieldHint(const QString &text);
inline const QString defaultFieldHint = QStringLiteral("Befehlszeile");

// The action button framed for an entry's action number; 0 frames none.
int framedButton(int actionNumber);

// text trimmed and expanded on the project drive, whatever the result code.
QString expanded(const QString &text);

// "Ausführen": expands text; a line that may not run is started only when
// the user says so. True when something was started.
bool execute(const QString &text);

// "Makro": runs the macro file that text names.
void runMacro(const QString &text);

} // namespace CommandActions
