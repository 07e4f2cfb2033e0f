#pragma once

#include <QString>

// Why a group pattern is refused, in the order the checks are made; empty
// when it is accepted.
QString GroupPatternRefusal(const QString &pattern);
