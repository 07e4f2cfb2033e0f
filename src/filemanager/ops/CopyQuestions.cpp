#include "filemanager/ops/CopyQuestions.h"

#include "common/MsgBox.h"
#include "platform/FileOperations.h"
#include "platform/NativeNames.h"

namespace {
const QChar CR = QLatin1Char('\r');

QString verb(bool move)
{
    return move ? QStringLiteral("verschoben") : QStringLiteral("kopiert");
}
} // namespace

FileFacts FileFacts::of(const QString &path)
{
    const FileOperations::Status status = FileOperations::status(path);
    return {path, status.size, QDateTime::fromMSecsSinceEpoch(status.modifiedMs)};
}

bool MsgBoxCopyQuestions::confirmAbort(bool move)
{
    const QString text = QStringLiteral("Wollen Sie das ")
                         + (move ? QStringLiteral("verschieben") : QStringLiteral("kopieren"))
                         + QStringLiteral(" der markierten Objekte wirklich abbrechen ?");
    return ShowMsgBox(QStringLiteral("Wirklich abbrechen ?"), text, MsgBox::Question, MsgBox::QuestionBeep,
                      MsgBox::Yes | MsgBox::No | MsgBox::Help, 80410, MsgBox::ResultYes)
           == MsgBox::ResultYes;
}

bool MsgBoxCopyQuestions::skipUncreatableFolder(const QString &target, bool move)
{
    const QString text = QStringLiteral("Das Verzeichnis \"") + NativeNames::forDisplay(target)
                         + QStringLiteral("\" konnte nicht erstellt werden.") + CR
                         + QStringLiteral("Alle untergeordneten Objekte des betreffenden Verzeichnisses können "
                                          "somit nicht ")
                         + verb(move) + QStringLiteral(" werden.") + CR + QStringLiteral("Trotzdem fortsetzen ?");
    return ShowMsgBox(QStringLiteral("Fehler: Kann Verzeichnis nicht erstellen..."), text, MsgBox::Question,
                      MsgBox::QuestionBeep, MsgBox::Yes | MsgBox::Cancel | MsgBox::Help, 80440, MsgBox::ResultCancel)
           == MsgBox::ResultYes;
}

RemoveAnswer MsgBoxCopyQuestions::askRemoveFailed(const QString &source)
{
    const QString text = QStringLiteral("Die Datei \"") + NativeNames::forDisplay(source)
                         + QStringLiteral("\" konnte nicht entfernt werden.") + CR
                         + QStringLiteral("Wie weiterverfahren ?");
    const int answer = ShowMsgBox(
        QStringLiteral("Fehler: Konnte Quelldatei nicht entfernen..."), text, MsgBox::Question, MsgBox::QuestionBeep,
        MsgBox::Ignore | MsgBox::All | MsgBox::Cancel | MsgBox::Help, 80420, MsgBox::ResultCancel);
    if (answer == MsgBox::ResultIgnore)
        return RemoveAnswer::Ignore;
    if (answer == MsgBox::ResultAll)
        return RemoveAnswer::All;
    return RemoveAnswer::Cancel;
}

void MsgBoxCopyQuestions::reportCopyFailed(const QString &source, const QString &target, const QString &reason,
                                           bool move)
{
    const QString text = QStringLiteral("Die Datei \"") + NativeNames::forDisplay(source) + QStringLiteral("\"") + CR
                         + QStringLiteral("konnte nicht nach \"") + NativeNames::forDisplay(target)
                         + QStringLiteral("\" ") + verb(move) + QStringLiteral(" werden:") + CR + reason;
    ShowMsgBox(QStringLiteral("Fehler: Datei konnte nicht kopiert werden..."), text, MsgBox::Error, MsgBox::ErrorBeep,
               MsgBox::Ok | MsgBox::Help, 80450);
}
