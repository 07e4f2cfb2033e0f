#include "components/EditContextMenu.h"

#include <QMenu>
#include <QPlainTextEdit>

namespace {

QAction *addEntry(QMenu *menu, const char *name, const QString &caption, bool enabled)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setEnabled(enabled);
    return action;
}

} // namespace

QMenu *CreateEditContextMenu(QPlainTextEdit *edit)
{
    auto *menu = new QMenu(edit);
    menu->setObjectName(QStringLiteral("EditPopupMenu"));
    const bool writable = !edit->isReadOnly();
    const bool selected = edit->textCursor().hasSelection();
    QAction *undo = addEntry(menu, "EditPopup_Rueckgaengig", QStringLiteral("&Rückgängig"),
                             writable && edit->document()->isUndoAvailable());
    menu->addSeparator();
    QAction *cut = addEntry(menu, "EditPopup_Ausschneiden", QStringLiteral("&Ausschneiden"), writable && selected);
    QAction *copy = addEntry(menu, "EditPopup_Kopieren", QStringLiteral("&Kopieren"), selected);
    QAction *paste = addEntry(menu, "EditPopup_Einfuegen", QStringLiteral("&Einfügen"), writable && edit->canPaste());
    QAction *remove = addEntry(menu, "EditPopup_Loeschen", QStringLiteral("&Löschen"), writable && selected);
    menu->addSeparator();
    QAction *selectAll =
        addEntry(menu, "EditPopup_AllesMarkieren", QStringLiteral("&Alles markieren"), !edit->document()->isEmpty());
    QObject::connect(undo, &QAction::triggered, edit, &QPlainTextEdit::undo);
    QObject::connect(cut, &QAction::triggered, edit, &QPlainTextEdit::cut);
    QObject::connect(copy, &QAction::triggered, edit, &QPlainTextEdit::copy);
    QObject::connect(paste, &QAction::triggered, edit, &QPlainTextEdit::paste);
    QObject::connect(remove, &QAction::triggered, edit, [edit] { edit->textCursor().removeSelectedText(); });
    QObject::connect(selectAll, &QAction::triggered, edit, &QPlainTextEdit::selectAll);
    return menu;
}

void AttachEditContextMenu(QPlainTextEdit *edit)
{
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(edit, &QPlainTextEdit::customContextMenuRequested, edit, [edit](const QPoint &pos) {
        QMenu *menu = CreateEditContextMenu(edit);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(edit->viewport()->mapToGlobal(pos));
    });
}
