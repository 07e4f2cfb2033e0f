#pragma once

class QMenu;
class QPlainTextEdit;

// The text field menu: "&Rückgängig", "&Ausschneiden", "&Kopieren",
// "&Einfügen", "&Löschen", "&Alles markieren", each enabled when it can act.
// The caller owns the menu.
QMenu *CreateEditContextMenu(QPlainTextEdit *edit);

// Shows that menu on the field's context menu request.
void AttachEditContextMenu(QPlainTextEdit *edit);
