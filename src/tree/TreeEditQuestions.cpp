#include "tree/TreeEditQuestions.h"

#include "common/FileUtils.h"
#include "common/MsgBox.h"
#include "project/ProjectTree.h"

namespace {

const QChar CR = QLatin1Char('\r');

QString positionText(const ProjectTree &tree, const ProjectEntry *entry)
{
    return QString::number(tree.absoluteIndex(entry) + 1) + QLatin1Char('/') + QString::number(tree.count());
}

bool ask(const QString &caption, const QString &text, int icon, int sound, int helpContext)
{
    return ShowMsgBox(caption, text, icon, sound, MsgBox::Yes | MsgBox::No | MsgBox::Help, helpContext)
           == MsgBox::ResultYes;
}

} // namespace

bool AskRemoveEntry(const ProjectTree &tree, const ProjectEntry *entry)
{
    const QString what = entry->hasChildren()
                             ? QStringLiteral("und alle seine Untereinträge wirklich entfernt werden ?")
                             : QStringLiteral("wirklich entfernt werden ?");
    return ask(QStringLiteral("Eintrag wirklich entfernen ?"),
               QStringLiteral("Soll der Projekteintrag ") + positionText(tree, entry) + QLatin1Char(' ') + CR + what,
               MsgBox::Question, MsgBox::QuestionBeep, 80210);
}

bool AskRemoveChildren(const ProjectTree &tree, const ProjectEntry *entry)
{
    return ask(QStringLiteral("Untereinträge wirklich entfernen ?"),
               QStringLiteral("Sollen alle Untereinträge des Eintrages ") + positionText(tree, entry) + CR
                   + QStringLiteral("wirklich entfernt werden ?"),
               MsgBox::Question, MsgBox::QuestionBeep, 80220);
}

bool AskRemoveAll()
{
    return ask(QStringLiteral("Wirklich alle Einträge entfernen ?"),
               QStringLiteral("Sind Sie sicher, daß alle Einträge ohne Ausnahme") + CR
                   + QStringLiteral("entfernt werden sollen ?"),
               MsgBox::Warning, MsgBox::ExclamationBeep, 80230);
}

void ShowMoveRefused()
{
    ShowMsgBox(QStringLiteral("Verschieben nicht möglich..."),
               QStringLiteral("Das verschieben eines Eintrages zu einem diesem") + CR
                   + QStringLiteral("untergeordneten Eintrag ist nicht möglich."),
               MsgBox::Error, MsgBox::ErrorBeep, MsgBox::Ok | MsgBox::Help, 80500);
}

QString SelectionHint(const ProjectTree &tree, const ProjectEntry *entry)
{
    const QString gap = QStringLiteral("    ");
    return QStringLiteral("Position: ") + positionText(tree, entry) + gap + QStringLiteral("Ebene: ")
           + QString::number(entry->depth()) + gap + QStringLiteral("Untereinträge: ")
           + QString::number(entry->childCount()) + gap + QStringLiteral("Image: ")
           + QString::number(entry->imageIndex + 1) + QLatin1Char(',') + QString::number(entry->selectedImageIndex + 1);
}

QString SelectionPercent(const ProjectTree &tree, const ProjectEntry *entry)
{
    const int position = entry ? tree.absoluteIndex(entry) + 1 : 0;
    return QString::number(Percent(tree.count(), position)) + QLatin1Char('%');
}
