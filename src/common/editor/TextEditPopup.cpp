#include "common/editor/TextEditPopup.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>

namespace {

bool clipboardHoldsText()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

QAction *item(QMenu *menu, const char *name)
{
    return menu->findChild<QAction *>(QString::fromLatin1(name));
}

template <typename Slot>
void addItem(QMenu *menu, const QString &text, const char *name, QPlainTextEdit *receiver, Slot slot)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, receiver, slot);
}

} // namespace

QMenu *InstallTextEditPopup(QPlainTextEdit *edit)
{
    auto *menu = new QMenu(edit);
    menu->setObjectName(QStringLiteral("RichEdit_PopupMenu"));
    addItem(menu, QStringLiteral("&Ausschneiden"), "PopupMenu_Ausschneiden", edit, &QPlainTextEdit::cut);
    addItem(menu, QStringLiteral("&Kopieren"), "PopupMenu_Kopieren", edit, &QPlainTextEdit::copy);
    addItem(menu, QStringLiteral("&Einfügen"), "PopupMenu_Einfuegen", edit, &QPlainTextEdit::paste);
    addItem(menu, QStringLiteral("&Löschen"), "PopupMenu_Loeschen", edit,
            [edit] { edit->textCursor().removeSelectedText(); });
    menu->addSeparator();
    addItem(menu, QStringLiteral("Alles &markieren"), "PopupMenu_AllesMarkieren", edit, &QPlainTextEdit::selectAll);

    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(menu, &QMenu::aboutToShow, edit, [menu, edit] { UpdateTextEditPopup(menu, edit); });
    QObject::connect(edit, &QWidget::customContextMenuRequested, menu,
                     [menu, edit](const QPoint &pos) { menu->exec(edit->viewport()->mapToGlobal(pos)); });
    return menu;
}

void UpdateTextEditPopup(QMenu *menu, QPlainTextEdit *edit)
{
    const bool selected = edit->textCursor().hasSelection();
    item(menu, "PopupMenu_Ausschneiden")->setEnabled(selected);
    item(menu, "PopupMenu_Kopieren")->setEnabled(selected);
    item(menu, "PopupMenu_Loeschen")->setEnabled(selected);
    item(menu, "PopupMenu_Einfuegen")->setEnabled(clipboardHoldsText());
}
