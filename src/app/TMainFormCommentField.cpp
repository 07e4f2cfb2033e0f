// The comment field on its sliding panel: its hint, its context menu and
// the write-back of typed comment lines to the current entry.

#include "app/TMainForm.h"
#include "common/DialogParts.h"
#include "common/editor/DocumentText.h"
#include "project/ProjectEntry.h"

#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

// Leaving the field stores what was typed.
class CommentFocusFilter : public QObject {
public:
    explicit CommentFocusFilter(TMainForm &form)
        : QObject(form.commentField())
        , m_form(form)
    {
        setObjectName(QStringLiteral("KommentarEditFocusFilter"));
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut)
            m_form.KommentarEdit_OnExit();
        return false;
    }

private:
    TMainForm &m_form;
};

} // namespace

void TMainForm::connectCommentField()
{
    connect(m_commentEdit, &QPlainTextEdit::textChanged, this, &TMainForm::KommentarEdit_OnChange);
    m_commentEdit->installEventFilter(new CommentFocusFilter(*this));
    m_commentEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_commentEdit, &QWidget::customContextMenuRequested, this, &TMainForm::KommentarEdit_OnContextMenu);

    m_commentPopupMenu = new QMenu(this);
    m_commentPopupMenu->setObjectName(QStringLiteral("KommentarPopupMenu"));
    QMenu *menu = m_commentPopupMenu;
    connect(named(menu->addAction(QStringLiteral("&Ausschneiden")), "KommentarPopupMenu_Ausschneiden"),
            &QAction::triggered, m_commentEdit, &QPlainTextEdit::cut);
    connect(named(menu->addAction(QStringLiteral("&Kopieren")), "KommentarPopupMenu_Kopieren"), &QAction::triggered,
            m_commentEdit, &QPlainTextEdit::copy);
    connect(named(menu->addAction(QStringLiteral("&Einfügen")), "KommentarPopupMenu_Einfuegen"), &QAction::triggered,
            m_commentEdit, &QPlainTextEdit::paste);
    connect(named(menu->addAction(QStringLiteral("&Löschen")), "KommentarPopupMenu_Loeschen"), &QAction::triggered,
            this, [this] { m_commentEdit->textCursor().removeSelectedText(); });
    menu->addSeparator();
    connect(named(menu->addAction(QStringLiteral("Alles &markieren")), "KommentarPopupMenu_AllesMarkieren"),
            &QAction::triggered, m_commentEdit, &QPlainTextEdit::selectAll);
}

// The field loses its focus while the window is destroyed: the filter goes
// first.
void TMainForm::disconnectCommentField()
{
    delete m_commentEdit->findChild<QObject *>(QStringLiteral("KommentarEditFocusFilter"), Qt::FindDirectChildrenOnly);
}

void TMainForm::writeBackFields()
{
    KommentarEdit_OnExit();
    writeBackCommandField();
}

QStringList TMainForm::commentLines() const
{
    const QString text = DocumentText(*m_commentEdit->document());
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

void TMainForm::KommentarEdit_OnChange()
{
    m_commentPanel->setStatusTip(QStringLiteral("Höhe: %1   Zeilenanzahl: %2   Zeichenanzahl: %3")
                                     .arg(m_commentPanel->height())
                                     .arg(m_commentEdit->document()->blockCount())
                                     .arg(m_commentEdit->document()->characterCount() - 1));
}

void TMainForm::KommentarEdit_OnExit()
{
    if (!m_currentEntry || !m_commentEdit->document()->isModified())
        return;
    m_currentEntry->record.comment = commentLines();
    m_commentEdit->document()->setModified(false);
    markModified();
}

void TMainForm::KommentarEdit_OnContextMenu(const QPoint &position)
{
    const bool selection = m_commentEdit->textCursor().hasSelection();
    for (const char *name :
         {"KommentarPopupMenu_Ausschneiden", "KommentarPopupMenu_Kopieren", "KommentarPopupMenu_Loeschen"})
        m_commentPopupMenu->findChild<QAction *>(QString::fromLatin1(name))->setEnabled(selection);
    m_commentPopupMenu->findChild<QAction *>(QStringLiteral("KommentarPopupMenu_Einfuegen"))
        ->setEnabled(!QGuiApplication::clipboard()->text().isEmpty());
    m_commentPopupMenu->popup(m_commentEdit->viewport()->mapToGlobal(position));
}
