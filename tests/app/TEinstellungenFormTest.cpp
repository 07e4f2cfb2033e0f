#include "FindChild.h"
#include "MainWindowTestSupport.h"
#include "MsgBoxRecorder.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "app/settings/TEinstellungenForm.h"
#include "common/ModalSeam.h"
#include "common/settings/SettingsReader.h"
#include "project/Project.h"
#include "tree/ProjectTreeView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <functional>
#include <memory>

using namespace MainWindowTest;

using DialogStep = std::function<void(QDialog *dialog)>;
Q_DECLARE_METATYPE(DialogStep)

namespace {

const QByteArray kHeader = "<Talvoren V4 Ini-Datei>\r\n";
const QByteArray kFilesKeys = "[Dateien]\r\nProjektdatei=\r\nMakrodatei=\r\nHilfedatei=Brekko.hlp\r\n";
const QByteArray kTools = "[Tools]\r\n1=Terminal,xterm\r\n2=Editor,edit\r\n";
enum Column { NameColumn = 1, CommandColumn = 2 };

std::unique_ptr<TMainForm> windowOn(const QString &settingsFile)
{
    StartConfig config;
    config.settings = ReadSettings(settingsFile);
    config.settingsFile = settingsFile;
    return makeWindow(config);
}

// Opens the settings dialog of window and lets step act on it; the dialog
// ends as step leaves it (still open counts as Abbrechen). Returns whether
// it was still open after step.
bool runDialog(TMainForm &window, const DialogStep &step, int *result = nullptr)
{
    bool open = false;
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        step(dialog);
        open = dialog->isVisible();
        return open ? int(QDialog::Rejected) : dialog->result();
    });
    action(window, "MainMenu_Optionen_EinstellungenKonfigurieren")->trigger();
    if (result)
        *result = open ? int(QDialog::Rejected) : QDialog::Accepted;
    return open;
}

void click(QWidget *parent, const char *name)
{
    QPushButton *button = child(parent, name);
    QVERIFY2(button->isEnabled(), name);
    button->click();
}

QTableWidget *gridOf(QDialog *dialog)
{
    return child<QTableWidget>(dialog, "SortGrid");
}

// Types text into a cell as the user does: in its editor, ended with Enter.
void typeInto(QDialog *dialog, int row, int column, const QString &text)
{
    child<QTabWidget>(dialog, "PageControl")->setCurrentWidget(child<QWidget>(dialog, "Tab_Tools"));
    QTableWidget *grid = gridOf(dialog);
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    QLineEdit *editor = nullptr;
    for (auto *edit : grid->viewport()->findChildren<QLineEdit *>()) {
        if (edit->isVisible())
            editor = edit;
    }
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The grid takes the text over in a queued call.
    QCoreApplication::processEvents();
}

QStringList captions(const QList<QAction *> &items)
{
    QStringList texts;
    for (const QAction *item : items)
        texts.append(item->text());
    return texts;
}

} // namespace

class TEinstellungenFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void saveWritesWhatChanged_data();
    void saveWritesWhatChanged();
    void toolsGrid_data();
    void toolsGrid();
    void liveValuesAndTreeOptions();
    void projectPageAppliesAtOnce_data();
    void projectPageAppliesAtOnce();
    void projectPageNeedsAProject();
    void failedSaveChangesNothing_data();
    void failedSaveChangesNothing();

private:
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
};

void TEinstellungenFormTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_boxes = std::make_unique<MsgBoxRecorder>();
}

void TEinstellungenFormTest::cleanup()
{
    QVERIFY(!m_boxes->failed());
    QCOMPARE(m_boxes->pendingAnswers(), 0);
    m_boxes.reset();
    m_env.reset();
}

void TEinstellungenFormTest::saveWritesWhatChanged_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("changedOutside"); // written after the start; empty: none
    QTest::addColumn<DialogStep>("step");
    QTest::addColumn<QByteArray>("after");

    const QByteArray own = kHeader + "[Baum]\r\nAutoScroll=0\r\n; von Hand\r\n";
    QTest::newRow("no change: the file names only") << own << QByteArray() << DialogStep([](QDialog *dialog) {
        QVERIFY(!child(dialog, "Button_Speichern")->isEnabled());
        click(dialog, "Button_Hinzufuegen");
        click(dialog, "Button_Entfernen");
        click(dialog, "Button_Speichern");
    }) << own + "\r\n" + kFilesKeys;
    QTest::newRow("header lost since the start: made anew")
        << kHeader << QByteArray("[Baum]\r\nAutoScroll=0\r\n") << DialogStep([](QDialog *dialog) {
               child<QLineEdit>(dialog, "Edit_LinkerRand")->setText(QStringLiteral("5"));
               click(dialog, "Button_Speichern");
           })
        << kHeader + "\r\n[Hauptfenster]\r\nLinks=5\r\n\r\n" + kFilesKeys;
    QTest::newRow("toolbar moved: its hidden flag too")
        << own << QByteArray() << DialogStep([](QDialog *dialog) {
               auto *page = child<QWidget>(dialog, "Tab_ToolbarExtras");
               child<QComboBox>(page, "ComboBox_AngedocktBei")->setCurrentIndex(6);
               click(dialog, "Button_Speichern");
           })
        << own + "\r\n[Felder]\r\nPosition Toolbar \"Extras\"=-1,6,-1,-1\r\nToolbar \"Extras\" ausgeblendet=0\r\n\r\n"
               + kFilesKeys;
}

void TEinstellungenFormTest::saveWritesWhatChanged()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, changedOutside);
    QFETCH(DialogStep, step);
    QFETCH(QByteArray, after);
    const QString file = m_env->writeFile(QStringLiteral("program/Brekko.ini"), before);
    auto window = windowOn(file);
    if (!changedOutside.isEmpty())
        m_env->writeFile(QStringLiteral("program/Brekko.ini"), changedOutside);
    int result = 0;
    QVERIFY(!runDialog(*window, step, &result));
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(FileBytes(file), after);
}

void TEinstellungenFormTest::toolsGrid_data()
{
    QTest::addColumn<DialogStep>("step");
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QStringList>("menu");

    QTest::newRow("name without command; a cell edit alone does not enable Save")
        << DialogStep([](QDialog *dialog) {
               typeInto(dialog, 2, NameColumn, QStringLiteral("Nur Name"));
               QVERIFY(!child(dialog, "Button_Speichern")->isEnabled());
               click(dialog, "Button_Hinzufuegen");
           })
        << QByteArray("[Tools]\r\n1=Terminal,xterm\r\n2=Editor,edit\r\n3=Nur Name,\r\n")
        << QStringList{"Terminal", "Editor", "Nur Name"};
    QTest::newRow("emptied row leaves no gap") << DialogStep([](QDialog *dialog) {
        typeInto(dialog, 0, NameColumn, QString());
        typeInto(dialog, 0, CommandColumn, QString());
        typeInto(dialog, 2, NameColumn, QStringLiteral("Rechner"));
        typeInto(dialog, 2, CommandColumn, QStringLiteral("calc a,b"));
        click(dialog, "Button_Hinzufuegen");
    }) << QByteArray("[Tools]\r\n1=Editor,edit\r\n2=Rechner,calc a,b\r\n")
                                               << QStringList{"Editor", "Rechner"};
    QTest::newRow("a name takes no comma") << DialogStep([](QDialog *dialog) {
        typeInto(dialog, 1, NameColumn, QStringLiteral("Ja,Nein"));
        click(dialog, "Button_Hinzufuegen");
    }) << QByteArray("[Tools]\r\n1=Terminal,xterm\r\n2=JaNein,edit\r\n")
                                           << QStringList{"Terminal", "JaNein"};
    QTest::newRow("moved down") << DialogStep([](QDialog *dialog) {
        gridOf(dialog)->setCurrentCell(0, NameColumn);
        click(dialog, "Button_MoveDown");
        QCOMPARE(gridOf(dialog)->currentRow(), 1);
        QCOMPARE(gridOf(dialog)->item(0, 0)->text(), QStringLiteral("1"));
    }) << QByteArray("[Tools]\r\n1=Editor,edit\r\n2=Terminal,xterm\r\n")
                                << QStringList{"Editor", "Terminal"};
    QTest::newRow("first row cannot move up") << DialogStep([](QDialog *dialog) {
        gridOf(dialog)->setCurrentCell(0, NameColumn);
        click(dialog, "Button_MoveUp");
    }) << kTools << QStringList{"Terminal", "Editor"};
}

// The section and both Tools menus follow the grid at once.
void TEinstellungenFormTest::toolsGrid()
{
    QFETCH(DialogStep, step);
    QFETCH(QByteArray, section);
    QFETCH(QStringList, menu);
    const QString file = m_env->writeFile(QStringLiteral("program/Brekko.ini"), kHeader + kFilesKeys + kTools);
    auto window = windowOn(file);
    {
        ModalSeam::ScopedHandler modal([](QDialog *) { return int(QDialog::Rejected); });
        child<QPushButton>(window.get(), "BefehlDateimanagerButton")->click();
    }
    QVERIFY(!runDialog(*window, [&step](QDialog *dialog) {
        step(dialog);
        click(dialog, "Button_Speichern");
    }));
    QCOMPARE(FileBytes(file), kHeader + kFilesKeys + (section == kTools ? "" : "\r\n") + section);
    QCOMPARE(captions(window->actions().tools->actions()), menu);
    QCOMPARE(captions(child<QMenu>(window.get(), "PopupMenu_Tools")->actions()), menu);
}

void TEinstellungenFormTest::liveValuesAndTreeOptions()
{
    const QString file = m_env->writeFile(QStringLiteral("program/Brekko.ini"), kHeader);
    auto window = windowOn(file);
    QVERIFY(window->loadProject(writeProject(*m_env, QStringLiteral("Ablage/Eins.prj"))));
    window->MainMenu_Optionen_Ausblenden_OnClick(MainActions::ToolbarEdit);
    const int commentHeight = window->commentField()->height();
    QVERIFY(!runDialog(*window, [](QDialog *dialog) {
        auto *page = child<QWidget>(dialog, "Tab_ToolbarBearbeiten");
        click(page, "Button_AktWerte");
        QVERIFY(child<QCheckBox>(page, "CheckBox_Ausblenden")->isChecked());
        click(dialog, "Button_Kommentarfeldhoehe_AktuelleHoehe");
        child<QCheckBox>(dialog, "CheckBox_SingleExpand")->setChecked(true);
        click(dialog, "Button_Speichern");
    }));
    const Settings saved = ReadSettings(file);
    QVERIFY(saved.toolbarHidden[1]);
    QCOMPARE(saved.toolbarPlaces[1].dockedTo, 0);
    QCOMPARE(saved.commentPanelHeight, commentHeight);
    QVERIFY(saved.singleExpand);
    QVERIFY(window->treeView()->singleExpand());
    QVERIFY(window->settings().toolbarHidden[1]);
}

void TEinstellungenFormTest::projectPageAppliesAtOnce_data()
{
    QTest::addColumn<bool>("withFile");
    QTest::newRow("project file open: caption follows") << true;
    QTest::newRow("no project file: caption stays") << false;
}

// Each change applies as it is made and stays when the dialog is left with
// Abbrechen; showing the page changes nothing.
void TEinstellungenFormTest::projectPageAppliesAtOnce()
{
    QFETCH(bool, withFile);
    auto window = makeWindow();
    const QString project = writeProject(*m_env, QStringLiteral("Ablage/Eins.prj"));
    if (withFile)
        QVERIFY(window->loadProject(project));
    else
        action(*window, "MainMenu_Projektdatei_Neu")->trigger();
    const QString caption = window->windowTitle();
    QVERIFY(runDialog(*window, [&window](QDialog *dialog) {
        QVERIFY(!window->isModified());
        child<QLineEdit>(dialog, "Edit_PrjTitel")->setText(QStringLiteral("Neuer Titel"));
        QVERIFY(window->isModified());
        child<QCheckBox>(dialog, "CheckBox_AutoExpandItems")->click();
        child<QCheckBox>(dialog, "CheckBox_ImagesVerwenden")->click();
    }));
    QCOMPARE(window->project()->name, QStringLiteral("Neuer Titel"));
    QCOMPARE(window->project()->expandItems, true);
    QCOMPARE(window->project()->useImages, false);
    QCOMPARE(window->windowTitle(), withFile ? QStringLiteral("Talvoren V4 - <%1> Neuer Titel").arg(project) : caption);
}

// Without an open project there is nothing the page could change.
void TEinstellungenFormTest::projectPageNeedsAProject()
{
    auto window = makeWindow();
    runDialog(*window, [](QDialog *dialog) { QVERIFY(!child<QWidget>(dialog, "Tab_Projekt")->isEnabled()); });
    QVERIFY(!window->isModified());
}

void TEinstellungenFormTest::failedSaveChangesNothing_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("number"); // what Edit_LinkerRand gets
    QTest::addColumn<int>("context");
    QTest::addColumn<bool>("staysOpen");

    QTest::newRow("read-only medium") << true << true << "5" << 80530 << true;
    QTest::newRow("read-only medium, file gone") << true << false << "5" << 80520 << false;
    QTest::newRow("number edit left empty") << false << true << "" << 80530 << true;
}

// The old file stays whole and the settings in force stay as they were.
void TEinstellungenFormTest::failedSaveChangesNothing()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, present);
    QFETCH(QString, number);
    QFETCH(int, context);
    QFETCH(bool, staysOpen);
    const QByteArray old = kHeader + "[Hauptfenster]\r\nLinks=1\r\n";
    const QString source = m_env->writeFile(QStringLiteral("medium/Brekko.ini"), old);
    std::unique_ptr<ScratchMount> mount;
    if (readOnly) {
        mount = std::make_unique<ScratchMount>(m_env->path(QStringLiteral("medium")));
        REQUIRE_MOUNT(*mount);
    }
    const QString file = mount ? mount->path(QStringLiteral("Brekko.ini")) : source;
    auto window = windowOn(file);
    if (!present)
        QVERIFY(QFile::remove(source));

    m_boxes->answer(MsgBox::ResultOk);
    QCOMPARE(runDialog(*window,
                       [&number](QDialog *dialog) {
                           child<QLineEdit>(dialog, "Edit_LinkerRand")->setText(number);
                           click(dialog, "Button_Speichern");
                       }),
             staysOpen);
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->last().helpContext, context);
    QCOMPARE(m_boxes->last().buttons, MsgBox::Ok | MsgBox::Help);
    if (context == 80520)
        QCOMPARE(m_boxes->last().text, QStringLiteral("Die Ini-Datei\r\"%1\"\rkann nicht erstellt werden.").arg(file));
    QCOMPARE(FileBytes(file), present ? old : QByteArray());
    QCOMPARE(window->settings().left, 1);
}

BREKKO_TEST_MAIN(TEinstellungenFormTest)
#include "TEinstellungenFormTest.moc"
