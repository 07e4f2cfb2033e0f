#include "common/editor/TextDocumentFile.h"

#include "common/MsgBox.h"
#include "platform/SafeSave.h"

#include <QFileInfo>

namespace {

QString firstLineBreak(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n'))
            return QStringLiteral("\n");
        if (text[i] == QLatin1Char('\r'))
            return i + 1 < text.size() && text[i + 1] == QLatin1Char('\n') ? QStringLiteral("\r\n")
                                                                           : QStringLiteral("\r");
    }
    return QStringLiteral("\r\n");
}

} // namespace

bool ReadTextDocument(const QString &fileName, TextDocument &document)
{
    if (!QFileInfo(fileName).isFile())
        return false;
    QByteArray bytes;
    if (!TextFile::readBytes(fileName, bytes))
        return false;
    TextDocument read;
    read.byteOrderMark = bytes.startsWith(TextFile::utf8Bom);
    const QByteArrayView body =
        read.byteOrderMark ? QByteArrayView(bytes).sliced(TextFile::utf8Bom.size()) : QByteArrayView(bytes);
    read.encoding = read.byteOrderMark ? TextFile::Encoding::Utf8 : TextFile::detect(body);
    const QString decoded = TextFile::decode(body, read.encoding);
    read.lineBreak = firstLineBreak(decoded);
    read.text = TextFile::splitLines(decoded).join(QLatin1Char('\n'));
    document = std::move(read);
    return true;
}

QByteArray EncodeTextDocument(const TextDocument &document)
{
    QString text = document.text;
    if (!text.isEmpty()) {
        text.replace(QLatin1Char('\n'), document.lineBreak);
        text += document.lineBreak;
    }
    const bool utf8 = document.encoding == TextFile::Encoding::Utf8 || !TextFile::fitsWindows1252(text);
    if (!utf8)
        return TextFile::toWindows1252(text);
    const bool bom = document.byteOrderMark || document.encoding != TextFile::Encoding::Utf8;
    return bom ? TextFile::utf8Bom + text.toUtf8() : text.toUtf8();
}

bool WriteFileSafely(const QString &fileName, const QByteArray &bytes, QString *errorText)
{
    SafeSave file(fileName);
    const bool ok = file.open() && file.write(bytes) && file.commit();
    if (!ok) {
        if (errorText)
            *errorText = file.errorString();
        file.cancel();
    }
    return ok;
}

QByteArray EncodeTextLines(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + QLatin1String("\r\n");
    return TextFile::encode(text);
}

void ShowSaveFailure(const QString &fileName, const QString &reason)
{
    ShowMsgBox(QStringLiteral("Fehler: Datei nicht gespeichert..."),
               QStringLiteral("Die Datei\r\"%1\"\rkonnte nicht gespeichert werden:\r%2\rEine bereits vorhandene Datei "
                              "ist unverändert geblieben.")
                   .arg(fileName, reason),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok, 80580);
}
