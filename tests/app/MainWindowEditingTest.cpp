#include "MainWindowTestSupport.h"

#include "FindChild.h"
#include "LauncherRecorder.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/ModalSeam.h"
#include "common/TMsgBoxForm.h"
#include "common/WidgetMsgBoxHandler.h"
#include "filemanager/TDateimanagerForm.h"
#include "filemanager/TFileList.h"
#include "project/Project.h"
#include "tree/ProjectTreeModel.h"
#include "tree/ProjectTreeView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace MainWindowTest;

namespace {

// Answers the entry edit dialog: fill() may change it, then "Übernehmen"
// or "Abbrechen" closes it.
ModalSeam::Handler editDialog(bool confirm, std::function<void(QDialog *)> fill = {})
{
    return [confirm, fill](QDialog *dialog) {
        if (fill)
            fill(dialog);
        child<QAbstractButton>(dialog, confirm ? "Button_Uebernehmen" : "Button_Abbrechen")->click();
        return dialog->result();
    };
}

QString titles(const ProjectEntry *parent)
{
    QStringList parts;
    for (const auto &entry : parent->children())
        parts.append(entry->title + (entry->hasChildren() ? u'(' + titles(entry.get()) + u')' : QString()));
    return parts.join(QLatin1Char(','));
}

} // namespace

class MainWindowEditingTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyChangeMarksModified_data();
    void everyChangeMarksModified();
    void answeredNoChangesNothing();
    void addedEntryIsEditedAndStored();
    void cancelledAddTakesTheEntryBack();
    void buttonsActOnTypedText();
    void enterRunsTheEntrysAction();
    void selectionShowsActionAndCommand();
    void commentGoesBackToItsEntry();
    void commentKeepsWhatItShows_data();
    void commentKeepsWhatItShows();
    void dropOntoOwnSubEntryIsRefused();
    void dropMenuAndCopy();
    void contextMenuFitsTheEntry();
    void toolsItemRunsSilently();
    void typedTextCountsBeforeLeaving_data();
    void typedTextCountsBeforeLeaving();
    void focusedCommentOutlivesNoWindow();
    void focusReturnsAfterDialogAndQuestion();

private:
    ProjectEntry *entry(const QString &title) const;
    void select(const QString &title) const;
    QPoint centreOf(const QString &title) const;
    QString shape() const { return titles(m_window->project()->tree.root()); }

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
    std::unique_ptr<LauncherRecorder> m_launcher;
    std::unique_ptr<TMainForm> m_window;
    QString m_drive;
};

void MainWindowEditingTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_boxes = std::make_unique<MsgBoxRecorder>();
    m_launcher = std::make_unique<LauncherRecorder>();
    m_drive = m_env->addVolume(QStringLiteral("stick"));
    m_env->writeFile(QStringLiteral("stick/tools/run.sh"), "#!/bin/sh\n");
    m_env->writeFile(QStringLiteral("stick/tools/other.sh"), "#!/bin/sh\n");
    const QString file = writeProject(*m_env, QStringLiteral("stick/cat.prj"), {"Eins", "Zwei", "Drei"}, {"a", "b"});
    m_window = makeWindow();
    QVERIFY(m_window->loadProject(file));
    QVERIFY(!m_window->isModified());
}

void MainWindowEditingTest::cleanup()
{
    m_window.reset();
    QVERIFY(!m_boxes->failed());
    m_boxes.reset();
    m_launcher.reset();
    m_env.reset();
}

ProjectEntry *MainWindowEditingTest::entry(const QString &title) const
{
    for (ProjectEntry *e : m_window->project()->tree.preOrder()) {
        if (e->title == title)
            return e;
    }
    return nullptr;
}

void MainWindowEditingTest::select(const QString &title) const
{
    m_window->treeView()->selectEntry(entry(title));
}

QPoint MainWindowEditingTest::centreOf(const QString &title) const
{
    ProjectTreeView *tree = m_window->treeView();
    tree->expandAll();
    return tree->visualRect(tree->projectModel()->indexOf(entry(title))).center();
}

void MainWindowEditingTest::everyChangeMarksModified_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("shape");
    for (const char *change : {"add", "add child", "edit", "up", "down", "start", "end", "remove", "remove children",
                               "remove all", "copy", "move", "rename", "comment", "command"})
        QTest::newRow(change) << QString::fromLatin1(change);
}

void MainWindowEditingTest::everyChangeMarksModified()
{
    QFETCH(QString, change);
    ModalSeam::ScopedHandler modal(
        editDialog(true, [](QDialog *dialog) { child<QAbstractButton>(dialog, "BefehlButtonDateimanager")->click(); }));
    select(QStringLiteral("Zwei"));
    QVERIFY(!m_window->isModified());

    if (change == QLatin1String("add"))
        action(*m_window, "MainMenu_Bearbeiten_EintragHinzufuegen")->trigger();
    else if (change == QLatin1String("add child"))
        action(*m_window, "MainMenu_Bearbeiten_UntereintragHinzufuegen")->trigger();
    else if (change == QLatin1String("edit")) {
        // The empty command line is reported; the user stores it anyway.
        m_boxes->answer(MsgBox::ResultYes);
        action(*m_window, "MainMenu_Bearbeiten_EintragBearbeiten")->trigger();
    } else if (change == QLatin1String("up"))
        action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Oben")->trigger();
    else if (change == QLatin1String("down"))
        action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Unten")->trigger();
    else if (change == QLatin1String("start"))
        action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Anfang")->trigger();
    else if (change == QLatin1String("end"))
        action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Ende")->trigger();
    else if (change == QLatin1String("remove")) {
        m_boxes->answer(MsgBox::ResultYes);
        action(*m_window, "MainMenu_Bearbeiten_EintragEntfernen")->trigger();
    } else if (change == QLatin1String("remove children")) {
        select(QStringLiteral("Eins"));
        m_boxes->answer(MsgBox::ResultYes);
        action(*m_window, "MainMenu_Bearbeiten_UntereintraegeEntfernen")->trigger();
    } else if (change == QLatin1String("remove all")) {
        select(QStringLiteral("b"));
        m_boxes->answer(MsgBox::ResultYes);
        action(*m_window, "MainMenu_Bearbeiten_AlleEintraegeEntfernen")->trigger();
        QCOMPARE(m_window->currentEntry(), nullptr);
    } else if (change == QLatin1String("copy") || change == QLatin1String("move")) {
        m_window->Tree_OnMouseDown(Qt::LeftButton, centreOf(QStringLiteral("Drei")));
        m_window->Tree_OnDragOver(centreOf(QStringLiteral("a")));
        if (change == QLatin1String("copy"))
            m_window->TreePopupMenu2_HierherKopieren_OnClick();
        else
            m_window->TreePopupMenu2_HierherVerschieben_OnClick();
    } else if (change == QLatin1String("rename")) {
        ProjectTreeModel *model = m_window->treeView()->projectModel();
        QVERIFY(model->setData(model->indexOf(entry(QStringLiteral("Zwei"))), QStringLiteral("Zwei")));
        QVERIFY(!m_window->isModified());
        QVERIFY(model->setData(model->indexOf(entry(QStringLiteral("Zwei"))), QStringLiteral("Neu")));
    } else if (change == QLatin1String("comment")) {
        m_window->commentField()->setFocus();
        QTest::keyClicks(m_window->commentField(), QStringLiteral("Notiz"));
        m_window->KommentarEdit_OnExit();
        QCOMPARE(entry(QStringLiteral("Zwei"))->record.comment, QStringList{QStringLiteral("Notiz")});
    } else if (change == QLatin1String("command")) {
        QTest::keyClicks(m_window->commandField(), QStringLiteral("x"));
        select(QStringLiteral("Drei"));
    }
    QVERIFY(m_window->isModified());
    QCOMPARE(m_window->project()->tree.count(), static_cast<int>(m_window->project()->tree.preOrder().size()));
}

void MainWindowEditingTest::answeredNoChangesNothing()
{
    const QString before = shape();
    select(QStringLiteral("Eins"));
    for (const char *name : {"MainMenu_Bearbeiten_EintragEntfernen", "MainMenu_Bearbeiten_UntereintraegeEntfernen",
                             "MainMenu_Bearbeiten_AlleEintraegeEntfernen"}) {
        m_boxes->answer(MsgBox::ResultNo);
        action(*m_window, name)->trigger();
    }
    QCOMPARE(m_boxes->count(), 3);
    QCOMPARE(shape(), before);
    QVERIFY(!m_window->isModified());
    select(QStringLiteral("Drei"));
    action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Unten")->trigger();
    QCOMPARE(shape(), before);
    QVERIFY(!m_window->isModified());
}

void MainWindowEditingTest::addedEntryIsEditedAndStored()
{
    ModalSeam::ScopedHandler modal(editDialog(true, [this](QDialog *dialog) {
        child<QLineEdit>(dialog, "TitelEdit")->setText(QStringLiteral("Werkzeug"));
        child<QLineEdit>(dialog, "BefehlEdit")->setText(m_drive + QStringLiteral("/tools/run.sh"));
        child<QAbstractButton>(dialog, "BefehlButtonAusfuehren")->click();
    }));
    select(QStringLiteral("Drei"));
    action(*m_window, "MainMenu_Bearbeiten_EintragHinzufuegen")->trigger();

    QCOMPARE(shape(), QStringLiteral("Eins(a,b),Zwei,Werkzeug,Drei"));
    ProjectEntry *added = m_window->currentEntry();
    QCOMPARE(added->title, QStringLiteral("Werkzeug"));
    QCOMPARE(added->record.command, QStringLiteral("\\tools\\run.sh"));
    QCOMPARE(m_window->commandField()->text(), QStringLiteral("\\tools\\run.sh"));
    QVERIFY(m_window->findChild<QWidget *>(QStringLiteral("TreePanel"))
                ->statusTip()
                .startsWith(QStringLiteral("Position: 5/6    Ebene: 0")));
}

void MainWindowEditingTest::cancelledAddTakesTheEntryBack()
{
    ModalSeam::ScopedHandler modal(editDialog(false));
    select(QStringLiteral("Zwei"));
    action(*m_window, "MainMenu_Bearbeiten_EintragHinzufuegen")->trigger();
    QCOMPARE(shape(), QStringLiteral("Eins(a,b),Zwei,Drei"));
    QCOMPARE(m_window->currentEntry(), entry(QStringLiteral("Zwei")));

    action(*m_window, "MainMenu_Bearbeiten_UntereintragHinzufuegen")->trigger();
    QCOMPARE(shape(), QStringLiteral("Eins(a,b),Zwei,Drei"));
    QCOMPARE(entry(QStringLiteral("Zwei"))->imageIndex, 2);
    QCOMPARE(entry(QStringLiteral("Zwei"))->selectedImageIndex, 3);
    QVERIFY(!m_window->isModified());
}

// What the user typed and has not stored yet is what the buttons act on.
void MainWindowEditingTest::buttonsActOnTypedText()
{
    QStringList shown;
    ModalSeam::ScopedHandler dialogs([&shown](QDialog *dialog) {
        if (auto *rar = dialog->findChild<QLabel *>(QStringLiteral("Label_RarFile")))
            shown << rar->text();
        if (auto *fileManager = qobject_cast<TDateimanagerForm *>(dialog))
            shown << fileManager->fileList()->model().directory();
        return int(QDialog::Rejected);
    });
    select(QStringLiteral("Zwei"));
    QLineEdit *field = m_window->commandField();
    field->clear();
    QTest::keyClicks(field, QStringLiteral("\\tools\\run.sh"));
    child<QPushButton>(m_window.get(), "BefehlAusfuehrenButton")->click();
    QCOMPARE(m_launcher->count(), 1);
    QCOMPARE(m_launcher->last().file, QStringLiteral("run.sh"));
    QCOMPARE(m_launcher->last().folder, m_drive + QStringLiteral("/tools/"));
    QCOMPARE(entry(QStringLiteral("Zwei"))->record.command, QString());
    QVERIFY(!m_window->isModified());

    child<QPushButton>(m_window.get(), "BefehlUnrarButton")->click();
    QCOMPARE(shown, QStringList{m_drive + QStringLiteral("/tools/run.sh")});
    // The file manager expands the raw text against the catalogue's drive.
    child<QPushButton>(m_window.get(), "BefehlDateimanagerButton")->click();
    QCOMPARE(shown.value(1), m_drive + QStringLiteral("/tools/"));

    select(QStringLiteral("Drei"));
    QCOMPARE(entry(QStringLiteral("Zwei"))->record.command, QStringLiteral("\\tools\\run.sh"));
    QVERIFY(m_window->isModified());
}

void MainWindowEditingTest::enterRunsTheEntrysAction()
{
    entry(QStringLiteral("Drei"))->record = {ActionExecute, QStringLiteral("\\tools\\other.sh"), {}};
    select(QStringLiteral("Drei"));
    QTest::keyClick(m_window->treeView(), Qt::Key_Return);
    QCOMPARE(m_launcher->count(), 1);
    QCOMPARE(m_launcher->last().file, QStringLiteral("other.sh"));

    select(QStringLiteral("Zwei"));
    QTest::keyClick(m_window->treeView(), Qt::Key_Return);
    QCOMPARE(m_launcher->count(), 1);
}

void MainWindowEditingTest::selectionShowsActionAndCommand()
{
    entry(QStringLiteral("Drei"))->record = {ActionExecute, QStringLiteral("\\tools\\other.sh"), {}};
    select(QStringLiteral("Drei"));
    QCOMPARE(m_window->commandField()->text(), QStringLiteral("\\tools\\other.sh"));
    QCOMPARE(m_window->commandField()->toolTip(),
             QStringLiteral("Datei: ") + m_drive + QStringLiteral("/tools/other.sh"));
    const auto framed = [this](const char *panel) {
        return child<QFrame>(m_window.get(), panel)->frameStyle() != QFrame::NoFrame;
    };
    QVERIFY(framed("BefehlAusfuehrenButtonPanel"));
    QVERIFY(!framed("BefehlMakroButtonPanel"));

    select(QStringLiteral("Zwei"));
    QVERIFY(!framed("BefehlAusfuehrenButtonPanel"));
}

void MainWindowEditingTest::commentGoesBackToItsEntry()
{
    select(QStringLiteral("Zwei"));
    QTest::keyClicks(m_window->commentField(), QStringLiteral("Zeile"));
    select(QStringLiteral("Drei"));
    QCOMPARE(entry(QStringLiteral("Zwei"))->record.comment, QStringList{QStringLiteral("Zeile")});
    QCOMPARE(m_window->commentField()->toPlainText(), QString());

    QTest::keyClicks(m_window->commentField(), QStringLiteral("verloren"));
    m_boxes->answer(MsgBox::ResultYes);
    action(*m_window, "MainMenu_Bearbeiten_EintragEntfernen")->trigger();
    QCOMPARE(shape(), QStringLiteral("Eins(a,b),Zwei"));
    QCOMPARE(entry(QStringLiteral("Zwei"))->record.comment, QStringList{QStringLiteral("Zeile")});
}

void MainWindowEditingTest::commentKeepsWhatItShows_data()
{
    QTest::addColumn<QStringList>("comment");
    QTest::newRow("no-break space and line separator") << QStringList{QStringLiteral("a\u00a0b\u2028c"), "zwei"};
    QStringList many;
    for (int i = 0; i < 100'000; ++i)
        many.append(QString::number(i));
    QTest::newRow("100,000 lines") << many;
}

void MainWindowEditingTest::commentKeepsWhatItShows()
{
    QFETCH(QStringList, comment);
    entry(QStringLiteral("Zwei"))->record.comment = comment;
    select(QStringLiteral("Zwei"));
    m_window->commentField()->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_window->commentField(), QStringLiteral("x"));
    select(QStringLiteral("Drei"));
    comment.last() += QLatin1Char('x');
    QCOMPARE(entry(QStringLiteral("Zwei"))->record.comment, comment);
}

void MainWindowEditingTest::dropOntoOwnSubEntryIsRefused()
{
    m_window->Tree_OnMouseDown(Qt::LeftButton, centreOf(QStringLiteral("Eins")));
    m_window->Tree_OnDragOver(centreOf(QStringLiteral("b")));
    QCOMPARE(m_window->currentEntry(), entry(QStringLiteral("b")));
    m_boxes->answer(MsgBox::ResultOk);
    m_window->TreePopupMenu2_HierherVerschieben_OnClick();
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->last().caption, QStringLiteral("Verschieben nicht möglich..."));
    QCOMPARE(shape(), QStringLiteral("Eins(a,b),Zwei,Drei"));
    QVERIFY(!m_window->isModified());

    m_window->Tree_OnMouseDown(Qt::LeftButton, centreOf(QStringLiteral("b")));
    m_window->Tree_OnDragOver(centreOf(QStringLiteral("Drei")));
    m_window->TreePopupMenu2_HierherVerschieben_OnClick();
    QCOMPARE(shape(), QStringLiteral("Eins(a),Zwei,b,Drei"));
    QCOMPARE(m_window->currentEntry(), entry(QStringLiteral("b")));
}

void MainWindowEditingTest::dropMenuAndCopy()
{
    auto *dropMenu = child<QMenu>(m_window.get(), "TreePopupMenu2");
    m_window->Tree_OnMouseDown(Qt::LeftButton, centreOf(QStringLiteral("Zwei")));
    m_window->Tree_OnDragDrop(centreOf(QStringLiteral("Zwei")));
    QVERIFY(!dropMenu->isVisible());

    m_window->Tree_OnDragOver(centreOf(QStringLiteral("a")));
    m_window->Tree_OnDragDrop(centreOf(QStringLiteral("a")));
    QVERIFY(dropMenu->isVisible());
    dropMenu->hide();
    m_window->TreePopupMenu2_HierherKopieren_OnClick();
    QCOMPARE(shape(), QStringLiteral("Eins(Zwei,a,b),Zwei,Drei"));
    QCOMPARE(m_window->currentEntry()->parent(), entry(QStringLiteral("Eins")));
}

void MainWindowEditingTest::contextMenuFitsTheEntry()
{
    auto *menu = child<QMenu>(m_window.get(), "TreePopupMenu1");
    m_window->Tree_OnContextMenu(centreOf(QStringLiteral("Eins")));
    QVERIFY(menu->isVisible());
    QVERIFY(menu->actions().contains(action(*m_window, "MainMenu_Bearbeiten_OrdnerEinlesen")));
    QCOMPARE(m_window->currentEntry(), entry(QStringLiteral("Eins")));
    QVERIFY(!child<QAction>(m_window.get(), "TreePopupMenu_BefehlAusfuehren")->isEnabled());
    QVERIFY(!action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Oben")->isEnabled());
    QVERIFY(!action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Anfang")->isEnabled());
    QVERIFY(action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Unten")->isEnabled());
    QVERIFY(action(*m_window, "MainMenu_Bearbeiten_UntereintraegeEntfernen")->isEnabled());
    menu->hide();

    entry(QStringLiteral("Drei"))->record.action = ActionMacro;
    m_window->Tree_OnContextMenu(centreOf(QStringLiteral("Drei")));
    QVERIFY(child<QAction>(m_window.get(), "TreePopupMenu_BefehlAusfuehren")->isEnabled());
    QVERIFY(action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Oben")->isEnabled());
    QVERIFY(!action(*m_window, "MainMenu_Bearbeiten_EintragVerschiebenNach_Ende")->isEnabled());
    QVERIFY(!action(*m_window, "MainMenu_Bearbeiten_UntereintraegeEntfernen")->isEnabled());
    menu->hide();

    const QPoint belowAll(5, centreOf(QStringLiteral("Drei")).y() + 40);
    QVERIFY(belowAll.y() < m_window->treeView()->viewport()->height());
    m_window->Tree_OnContextMenu(belowAll);
    QVERIFY(!menu->isVisible());
}

void MainWindowEditingTest::toolsItemRunsSilently()
{
    StartConfig config;
    config.settings.tools = {{QStringLiteral("Packer"), QStringLiteral("/no/such/packer -a")}};
    auto window = makeWindow(config);
    m_launcher->setResult(2);
    QAction *item = child<QMenu>(window.get(), "MainMenu_Tools")->actions().value(0);
    QVERIFY(item);
    item->trigger();
    QCOMPARE(m_launcher->count(), 1);
    QCOMPARE(m_launcher->last().file, QStringLiteral("packer"));
    QCOMPARE(m_launcher->last().parameters, QStringLiteral(" -a"));
    QCOMPARE(m_boxes->count(), 0);
}

void MainWindowEditingTest::typedTextCountsBeforeLeaving_data()
{
    QTest::addColumn<bool>("comment");
    QTest::addColumn<QString>("way");
    for (const bool comment : {true, false}) {
        const char *field = comment ? "comment" : "command";
        for (const char *way : {"close", "MainMenu_Projektdatei_Neu", "MainMenu_Projektdatei_Schliessen"})
            QTest::addRow("%s, %s", field, way) << comment << QString::fromLatin1(way);
        QTest::addRow("%s, save", field) << comment << QStringLiteral("MainMenu_Projektdatei_Speichern");
    }
}

void MainWindowEditingTest::typedTextCountsBeforeLeaving()
{
    QFETCH(bool, comment);
    QFETCH(QString, way);
    select(QStringLiteral("Zwei"));
    if (comment)
        QTest::keyClicks(m_window->commentField(), QStringLiteral("getippt"));
    else
        QTest::keyClicks(m_window->commandField(), QStringLiteral("/getippt"));
    const bool saving = way.endsWith(QLatin1String("Speichern"));
    if (saving)
        m_window->markModified(); // else there is nothing to save
    else
        m_boxes->answer(MsgBox::ResultCancel);
    if (way == QLatin1String("close"))
        QVERIFY(!m_window->close());
    else
        action(*m_window, way.toLatin1().constData())->trigger();

    const ProjectEntry *typed = entry(QStringLiteral("Zwei"));
    QVERIFY(typed);
    QCOMPARE(comment ? typed->record.comment.join(QString()) : typed->record.command,
             comment ? QStringLiteral("getippt") : QStringLiteral("/getippt"));
    if (saving) {
        QCOMPARE(m_boxes->count(), 0);
        QVERIFY(!m_window->isModified());
    } else {
        QCOMPARE(m_boxes->count(), 1);
        QCOMPARE(m_boxes->last().caption, QStringLiteral("Änderungen speichern ?"));
        QVERIFY(m_window->isModified());
    }
}

void MainWindowEditingTest::focusedCommentOutlivesNoWindow()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    select(QStringLiteral("Zwei"));
    m_window->activateWindow();
    m_window->commentField()->setFocus();
    QTest::keyClicks(m_window->commentField(), QStringLiteral("x"));
    m_boxes->answer(MsgBox::ResultNo);
    QVERIFY(m_window->close());
    m_window.reset();
}

// The entry dialog and its question close one after the other: the main
// window is active again and the tree has the keyboard.
void MainWindowEditingTest::focusReturnsAfterDialogAndQuestion()
{
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    select(QStringLiteral("Zwei"));
    m_window->treeView()->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), m_window->treeView());
    WidgetMsgBoxHandler realBoxes;
    MsgBox::Handler *recorder = MsgBox::setHandler(&realBoxes);
    QString question;
    answerWhenOpen<QDialog>([&question](QDialog *entryDialog) {
        answerWhenOpen<TMsgBoxForm>([&question](TMsgBoxForm *box) {
            question = box->windowTitle();
            child<QAbstractButton>(box, "Button_Ja")->click();
        });
        child<QAbstractButton>(entryDialog, "Button_Uebernehmen")->click();
    });
    action(*m_window, "MainMenu_Bearbeiten_EintragBearbeiten")->trigger();
    MsgBox::setHandler(recorder);

    QCOMPARE(question, QStringLiteral("Änderungen wirklich übernehmen ?"));
    QTRY_COMPARE(QApplication::activeWindow(), m_window.get());
    QTRY_COMPARE(QApplication::focusWidget(), m_window->treeView());
}

BREKKO_TEST_MAIN(MainWindowEditingTest)
#include "MainWindowEditingTest.moc"
