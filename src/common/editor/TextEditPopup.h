#pragma once

class QMenu;
class QPlainTextEdit;

// The pop-up menu of a text control: "&Ausschneiden", "&Kopieren",
// "&Einfügen", "&Löschen", a separator and "Alles &markieren", named
// RichEdit_PopupMenu. Each time it opens, cut, copy and delete are enabled
// only while text is selected, paste only while the clipboard holds text.
QMenu *InstallTextEditPopup(QPlainTextEdit *edit);

// Sets the enabled state of the items as on opening.
void UpdateTextEditPopup(QMenu *menu, QPlainTextEdit *edit);
