#pragma once

#include <QStringList>

#include <functional>

// Why a group pattern is refused, in the order the checks are made; empty
// when it is accepted.
QString GroupPatternRefusal(const QString &pattern);

using NameMatcher = std::function<bool(const QString &name, const QString &mask)>;

// Names in folder (hidden ones included) that match pattern; folders left
// out when excludeFolders is set.
QStringList FindGroupNames(const QString &folder, const QString &pattern, bool excludeFolders,
                           const NameMatcher &matches);
