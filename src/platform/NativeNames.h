#pragma once

#include <QByteArray>
#include <QString>

// File names as the system keeps them: bytes, UTF-8 as a rule. A byte that is
// not part of valid UTF-8 (a Latin-1 name from an old medium or archive) is
// kept in the QString as the code point U+DC00 + byte, which decoded text
// never holds, so that encode(decode(bytes)) == bytes for every name. Every
// path handed to the system goes through encode().
namespace NativeNames {

QString decode(QByteArrayView bytes);
QByteArray encode(QStringView name);
// The name as shown: each kept byte as U+FFFD.
QString forDisplay(const QString &name);

} // namespace NativeNames
