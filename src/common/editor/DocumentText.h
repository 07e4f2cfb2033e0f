#pragma once

#include <QString>

class QTextDocument;

// The text a text widget holds, lines separated by "\n", without the
// widget's plain-text conversion: no-break spaces and line separators stay
// as they are.
QString DocumentText(const QTextDocument &document);
