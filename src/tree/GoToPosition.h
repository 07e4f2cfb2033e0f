#pragma once

#include <QString>

// Positions are 1-based indexes in depth-first order, as the status line
// shows them.

// The position that text (trimmed, decimal) names; 0 when it is not a number
// from 1 to entryCount.
int ParsePosition(const QString &text, int entryCount);

// The box for a position that names no entry.
void ShowInvalidPosition();
