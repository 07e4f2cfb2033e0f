#pragma once

#include "common/editor/TextDocumentFile.h"

#include <QDialog>

#include <memory>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPrinter;
class QToolButton;

// "Editor": a plain-text editor for one file at a time.
class TEditorForm : public QDialog {
    Q_OBJECT

public:
    static constexpr int kHelpContext = 40800;

    explicit TEditorForm(QWidget *parent = nullptr);
    ~TEditorForm() override;

    // The file loaded when the window first becomes active; empty: untitled.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // Replaces the text by the file's lines; a message and false when it
    // cannot be read, is too large or is no text, the text staying as it
    // was. A file the text cannot hold unchanged is shown read-only.
    bool LoadFile(const QString &fileName);
    // Writes the text to fileName, keeping the encoding and line breaks it was
    // read with (an unchanged text gives the same bytes); the old file stays
    // intact and a message says why when that fails. A file changed by
    // another program since it was read is replaced only when the user says
    // so.
    bool SaveFile(const QString &fileName);
    bool isReadOnly() const;

    QPlainTextEdit *editor() const { return m_edit; }
    QMenu *popupMenu() const { return m_popup; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildMenus();
    void buildButtonBar(QLayout *layout);
    QAction *addAction(QMenu *menu, const QString &text, const QKeySequence &shortcut, const char *name);
    void activate();
    void setCaption();
    void setReadOnly(bool readOnly);
    bool mayReplace(const QString &fileName) const;
    bool printToFile(const QString &target);

    void New_OnClick();
    void Open_OnClick();
    void Save_OnClick();
    void SaveAs_OnClick();
    void Print_OnClick();
    void PrinterSetup_OnClick();
    void Font_OnClick();
    void WordWrap_OnClick();
    void deleteSelection();

    QString m_fileName;
    TextDocument m_document;
    QString m_documentFile; // the file m_document was read from or saved to
    bool m_activated = false;
    QPlainTextEdit *m_edit = nullptr;
    QMenu *m_popup = nullptr;
    QAction *m_wordWrap = nullptr;
    QList<QAction *> m_saveActions;
    QToolButton *m_saveButton = nullptr;
    std::unique_ptr<QPrinter> m_printer;
};

// Opens the editor modally on fileName (empty: an empty untitled text),
// owned by owner.
void ShowEditor(QWidget *owner, const QString &fileName);
