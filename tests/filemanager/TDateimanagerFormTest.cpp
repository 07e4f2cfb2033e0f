#include "filemanager/TDateimanagerForm.h"
#include "filemanager/FileManagerActions.h"
#include "filemanager/TFileList.h"

#include "LauncherRecorder.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

namespace {

class RecordingActions : public FileManagerActions {
public:
    bool remove(QWidget *, const FileManagerSelection &selection) override
    {
        removed = selection;
        return true;
    }
    bool selectGroup(QWidget *, const FileManagerSelection &, GroupSelection &choice) override
    {
        choice = group;
        return true;
    }
    FileManagerSelection removed;
    GroupSelection group;
};

QStringList SelectedNames(const TFileList &list)
{
    QStringList names;
    for (int row : list.selectedRows())
        names.append(list.model().entry(row).name);
    return names;
}

int RowOf(const TFileList &list, const QString &name)
{
    for (int row = 0; row < list.count(); ++row) {
        if (list.model().entry(row).name == name)
            return row;
    }
    return -1;
}

} // namespace

class TDateimanagerFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startText_data();
    void startText();
    void historyHoldsThirty();
    void rootAndUpButtons();
    void selectionTotals();
    void commandLineFollowsSelection();
    void openFolderItem();
    void renameInPlace();
    void deleteNeedsSelection();
    void groupSelectionExtends();
    void toolsRunWithCommandLine();
    void closingWritesCommandLineBack();

private:
    QComboBox *comBox() const { return m_form->findChild<QComboBox *>(QStringLiteral("ComBox")); }
    QString list() const { return m_env->path(QStringLiteral("list")) + QLatin1Char('/'); }

    TestEnvironment *m_env = nullptr;
    TDateimanagerForm *m_form = nullptr;
    RecordingActions m_actions;
    FileManagerActions *m_previousActions = nullptr;
};

void TDateimanagerFormTest::init()
{
    m_env = new TestEnvironment;
    m_env->writeFile(QStringLiteral("list/a.txt"), "abc");
    m_env->writeFile(QStringLiteral("list/b.txt"), "12345");
    m_env->writeFile(QStringLiteral("list/c.dat"), "1");
    m_env->makeFolder(QStringLiteral("list/sub"));
    m_env->writeFile(QStringLiteral("list/sub/inner.txt"), "x");
    Settings settings;
    settings.tools = {{QStringLiteral("Packer"), QStringLiteral("packer --fast")}};
    m_form = new TDateimanagerForm(settings);
    m_previousActions = SetFileManagerActions(&m_actions);
}

void TDateimanagerFormTest::cleanup()
{
    SetFileManagerActions(m_previousActions);
    delete m_form;
    delete m_env;
}

void TDateimanagerFormTest::startText_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QString>("comText");
    // "@" stands for the temporary folder, "#" for the program folder.
    QTest::newRow("file") << "@/list/b.txt"
                          << "@/list/" << QStringList{"b.txt"} << "@/list/b.txt";
    QTest::newRow("folder without separator") << "@/list/sub"
                                              << "@/list/" << QStringList{"sub"} << "@/list/sub";
    QTest::newRow("folder with separator") << "@/list/sub/"
                                           << "@/list/sub/" << QStringList{} << "@/list/sub/";
    QTest::newRow("several words") << "viewer @/list/a.txt -r"
                                   << "@/list/" << QStringList{"a.txt"} << "viewer @/list/a.txt -r";
    QTest::newRow("empty") << ""
                           << "#" << QStringList{} << "#";
    QTest::newRow("names nothing") << "@/list/gone.txt"
                                   << "#" << QStringList{} << "#";
}

void TDateimanagerFormTest::startText()
{
    QFETCH(QString, start);
    QFETCH(QString, folder);
    QFETCH(QStringList, selected);
    QFETCH(QString, comText);
    const auto fill = [this](QString text) {
        text.replace(QLatin1Char('@'), m_env->root());
        return text.replace(QLatin1Char('#'), m_env->programDirectory());
    };
    m_form->setStartCommandLine(fill(start));
    m_form->becomeActive();
    QCOMPARE(m_form->fileList()->model().directory(), fill(folder));
    QCOMPARE(SelectedNames(*m_form->fileList()), selected);
    QCOMPARE(comBox()->currentText(), fill(comText));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Dateimanager - ") + fill(comText));
}

void TDateimanagerFormTest::historyHoldsThirty()
{
    for (int i = 0; i < 35; ++i)
        m_form->ChangeDir(m_env->makeFolder(QStringLiteral("h/%1").arg(i)) + QLatin1Char('/'));
    QCOMPARE(comBox()->count(), TDateimanagerForm::kHistoryLimit);
    QCOMPARE(comBox()->itemText(0), m_env->path(QStringLiteral("h/34/")));
    m_form->findChild<QToolButton *>(QStringLiteral("Button_Refresh"))->click();
    m_form->ChangeDir(m_env->path(QStringLiteral("h/34/")));
    QCOMPARE(comBox()->count(), TDateimanagerForm::kHistoryLimit);
    QCOMPARE(comBox()->itemText(1), m_env->path(QStringLiteral("h/33/")));
}

void TDateimanagerFormTest::rootAndUpButtons()
{
    const QString volume = m_env->addVolume(QStringLiteral("vol"));
    m_env->makeFolder(QStringLiteral("vol/a/b"));
    auto *root = m_form->findChild<QToolButton *>(QStringLiteral("Button_RootDir"));
    auto *up = m_form->findChild<QToolButton *>(QStringLiteral("Button_UpperDir"));
    m_form->ChangeDir(volume + QStringLiteral("/a/b/"));
    QVERIFY(root->isEnabled() && up->isEnabled());
    up->click();
    QCOMPARE(m_form->fileList()->model().directory(), volume + QStringLiteral("/a/"));
    QCOMPARE(comBox()->currentText(), volume + QStringLiteral("/a/"));
    root->click();
    QCOMPARE(m_form->fileList()->model().directory(), volume + QLatin1Char('/'));
    QVERIFY(!root->isEnabled());
    QVERIFY(!up->isEnabled());
}

void TDateimanagerFormTest::selectionTotals()
{
    m_form->ChangeDir(list());
    TFileList *files = m_form->fileList();
    auto *count = m_form->findChild<QLabel *>(QStringLiteral("StatusPanel0"));
    auto *bytes = m_form->findChild<QLabel *>(QStringLiteral("StatusPanel1"));
    files->setRowSelected(RowOf(*files, QStringLiteral("sub")), true);
    QCOMPARE(count->text(), QStringLiteral("1 Objekt(e) markiert."));
    QCOMPARE(bytes->text(), QString());
    files->setRowSelected(RowOf(*files, QStringLiteral("a.txt")), true);
    files->setRowSelected(RowOf(*files, QStringLiteral("b.txt")), true);
    QCOMPARE(count->text(), QStringLiteral("3 Objekt(e) markiert."));
    QCOMPARE(bytes->text(), QStringLiteral("8 Byte"));
    files->setRowSelected(RowOf(*files, QStringLiteral("sub")), false);
    QCOMPARE(bytes->text(), QStringLiteral("8 Byte"));
    files->selectNone();
    QCOMPARE(count->text(), QStringLiteral("0 Objekt(e) markiert."));
    QCOMPARE(bytes->text(), QString());
}

void TDateimanagerFormTest::commandLineFollowsSelection()
{
    m_form->setStartCommandLine(list() + QStringLiteral("a.txt"));
    m_form->becomeActive();
    TFileList *files = m_form->fileList();
    files->selectOnly(RowOf(*files, QStringLiteral("c.dat")));
    QCOMPARE(comBox()->currentText(), list() + QStringLiteral("c.dat"));

    comBox()->setEditText(QStringLiteral("viewer ") + list() + QStringLiteral("c.dat -r"));
    const int history = comBox()->count();
    files->selectOnly(RowOf(*files, QStringLiteral("b.txt")));
    QCOMPARE(comBox()->currentText(), QStringLiteral("viewer ") + list() + QStringLiteral("b.txt -r"));
    QCOMPARE(comBox()->count(), history + 1);
}

void TDateimanagerFormTest::openFolderItem()
{
    LauncherRecorder launcher;
    m_form->ChangeDir(list());
    TFileList *files = m_form->fileList();
    files->selectOnly(RowOf(*files, QStringLiteral("a.txt")));
    emit files->itemActivated(files->currentRow());
    QCOMPARE(launcher.count(), 1);
    files->selectOnly(RowOf(*files, QStringLiteral("sub")));
    emit files->itemActivated(files->currentRow());
    QCOMPARE(files->model().directory(), list() + QStringLiteral("sub/"));
    QCOMPARE(comBox()->currentText(), list() + QStringLiteral("sub/"));
}

void TDateimanagerFormTest::renameInPlace()
{
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    boxes.answer(MsgBox::ResultOk);
    m_form->ChangeDir(list());
    FileListModel &model = m_form->fileList()->model();
    const QModelIndex a = model.index(RowOf(*m_form->fileList(), QStringLiteral("a.txt")), 0);
    QVERIFY(!model.setData(a, QStringLiteral("b.txt"), Qt::EditRole));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Umbenennen nicht möglich..."));
    QCOMPARE(boxes.last().text, QStringLiteral("Die Datei oder das Verzeichnis \"a.txt\"\rkonnte nicht nach \"b.txt\" "
                                               "umbenannt werden."));
    QCOMPARE(QFile(list() + QStringLiteral("b.txt")).size(), 5);
    QVERIFY(!model.setData(a, QStringLiteral("x:y"), Qt::EditRole));
    QCOMPARE(boxes.count(), 2);
    QVERIFY(model.setData(a, QStringLiteral("Neu.txt"), Qt::EditRole));
    QCOMPARE(model.data(a, Qt::DisplayRole).toString(), QStringLiteral("Neu.txt"));
    QVERIFY(QFile::exists(list() + QStringLiteral("Neu.txt")));
    QVERIFY(!QFile::exists(list() + QStringLiteral("a.txt")));
}

void TDateimanagerFormTest::deleteNeedsSelection()
{
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    m_form->ChangeDir(list());
    auto *remove = m_form->findChild<QPushButton *>(QStringLiteral("Button_Loeschen"));
    remove->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Keine Objekte markiert..."));
    QCOMPARE(boxes.last().helpContext, 80380);
    TFileList *files = m_form->fileList();
    files->setRowSelected(RowOf(*files, QStringLiteral("c.dat")), true);
    files->setRowSelected(RowOf(*files, QStringLiteral("sub")), true);
    remove->click();
    QCOMPARE(m_actions.removed.folder, list());
    QCOMPARE(m_actions.removed.names, (QStringList{"sub", "c.dat"}));
}

void TDateimanagerFormTest::groupSelectionExtends()
{
    m_form->ChangeDir(list());
    TFileList *files = m_form->fileList();
    files->setRowSelected(RowOf(*files, QStringLiteral("c.dat")), true);
    m_actions.group = {QStringLiteral("b"), true};
    auto *menu = m_form->findChild<QMenu *>(QStringLiteral("PopupMenu_Markieren"));
    menu->actions().at(0)->trigger();
    QCOMPARE(SelectedNames(*files), (QStringList{"b.txt", "c.dat"}));
    m_actions.group = {QStringLiteral("*"), false};
    menu->actions().at(0)->trigger();
    QCOMPARE(files->selectedCount(), files->count());
    menu->actions().at(1)->trigger();
    QCOMPARE(files->selectedCount(), 0);
}

void TDateimanagerFormTest::toolsRunWithCommandLine()
{
    LauncherRecorder launcher;
    m_form->ChangeDir(list());
    comBox()->setEditText(QStringLiteral("  ") + list() + QStringLiteral("a.txt "));
    auto *menu = m_form->findChild<QMenu *>(QStringLiteral("PopupMenu_Tools"));
    QCOMPARE(menu->actions().size(), 1);
    menu->actions().at(0)->trigger();
    QCOMPARE(launcher.count(), 1);
    QCOMPARE(launcher.last().file, QStringLiteral("packer"));
    QCOMPARE(launcher.last().parameters.trimmed(), QStringLiteral("--fast ") + list() + QStringLiteral("a.txt"));
}

void TDateimanagerFormTest::closingWritesCommandLineBack()
{
    m_form->setStartCommandLine(list() + QStringLiteral("sub/"));
    m_form->becomeActive();
    comBox()->setEditText(list() + QStringLiteral("b.txt"));
    m_form->done(QDialog::Rejected);
    QCOMPARE(m_form->startCommandLine(), list() + QStringLiteral("b.txt"));
    QCOMPARE(m_form->fileList()->count(), 0);
    QCOMPARE(comBox()->currentText(), QString());
}

BREKKO_TEST_MAIN(TDateimanagerFormTest)
#include "TDateimanagerFormTest.moc"
