#include "tree/CommentFileAppend.h"

#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "platform/TextFile.h"

#include <QFile>

namespace CommentFileAppend {

namespace {

const QChar CR = QLatin1Char('\r');

bool looksLikeText(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) && !file.read(64 * 1024).contains('\0');
}

} // namespace

Result read(const QString &fileName, qsizetype currentLength, qsizetype capacity)
{
    Result result;
    if (!looksLikeText(fileName))
        return result;
    qsizetype length = currentLength;
    bool full = false;
    const bool readable = TextFile::forEachLine(fileName, [&](QStringView line) {
        const qsizetype needed = line.size() + (length > 0 ? 1 : 0);
        if (length + needed > capacity) {
            full = true;
            return false;
        }
        length += needed;
        result.lines.append(line.toString());
        return true;
    });
    if (!readable)
        return result;
    if (!full)
        result.outcome = Result::Complete;
    else
        result.outcome = result.lines.isEmpty() ? Result::NothingAdded : Result::TooLarge;
    return result;
}

void report(const Result &result)
{
    switch (result.outcome) {
    case Result::NotText:
        ShowMsgBox(QStringLiteral("Fehler: Gewählte Datei ist keine Textdatei..."),
                   QStringLiteral("Um den Inhalt einer Textdatei dem Kommentartext hinzuzufügen,") + CR
                       + QStringLiteral("muß auch eine Textdatei ausgewählt werden.") + CR
                       + QStringLiteral("Die gewählte Datei ist jedoch keine ASC-II oder ANSI-Textdatei."),
                   MsgBox::Information, MsgBox::ExclamationBeep, MsgBox::Ok | MsgBox::Help, 80130);
        break;
    case Result::NothingAdded:
        ShowMsgBox(QStringLiteral("Fehler: Text konnte nicht hinzugefügt werden..."),
                   QStringLiteral("Es konnte keine einzige Textzeile der gewählten Textdatei") + CR
                       + QStringLiteral("dem Kommentar hinzugefügt werden.") + CR
                       + QStringLiteral("Kommentar wurde nicht verändert."),
                   MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80110);
        break;
    case Result::TooLarge:
        ShowMsgBox(QStringLiteral("Textdatei ist zu groß."),
                   QStringLiteral("Die angegebene Textdatei besitzt zu viele Textzeilen. Es konnten") + CR
                       + QStringLiteral("nur ") + FormatThousands(result.lines.size())
                       + QStringLiteral(" Zeilen der Textdatei eingelesen") + CR
                       + QStringLiteral("und in den Kommentartext übernohmen werden."),
                   MsgBox::Information, MsgBox::DefaultBeep, MsgBox::Ok | MsgBox::Help, 80120);
        break;
    case Result::Complete:
        ShowMsgBox(QStringLiteral("Textdatei erfolgreich hinzugefügt."),
                   QStringLiteral("Die Textzeilen der ausgewählten Textdatei konnten alle erfolgreich") + CR
                       + QStringLiteral("eingelesen und dem Kommentartext hinzugefügt werden."),
                   MsgBox::Information, MsgBox::DefaultBeep, MsgBox::Ok | MsgBox::Help, 30100);
        break;
    }
}

} // namespace CommentFileAppend
