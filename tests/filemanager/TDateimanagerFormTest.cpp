#include "filemanager/TDateimanagerForm.h"
#include "common/ModalSeam.h"
#include "filemanager/TFileList.h"
#include "filemanager/ops/TEigenschaftenForm.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"

#include "FileTreeFixture.h"
#include "FindChild.h"
#include "LauncherRecorder.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

namespace {

// Answers the group selection dialog with pattern.
ModalSeam::Handler GroupDialog(const QString &pattern, bool excludeFolders)
{
    return [pattern, excludeFolders](QDialog *dialog) {
        child<QLineEdit>(dialog, "GroupEdit")->setText(pattern);
        child<QCheckBox>(dialog, "CheckBox_VerzeichnisseAusschliessen")->setChecked(excludeFolders);
        child(dialog, "Button_Uebernehmen")->click();
        return dialog->result();
    };
}

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
    void namesThatAreNotUtf8();
    void deleteNeedsSelection();
    void groupSelectionExtends();
    void toolsRunWithCommandLine();
    void closingWritesCommandLineBack();
    void typedTextStaysAsTyped_data();
    void typedTextStaysAsTyped();
    void propertiesDescribeAsTheList_data();
    void propertiesDescribeAsTheList();
    void namesShowWhole_data();
    void namesShowWhole();
    void detailColumnsFitTheirText();
    void viewButtonsLookDifferent();
    void captionsFitAtMinimumWidth();
    void unreadableFolderSaysSo();

private:
    QComboBox *comBox() const { return m_form->findChild<QComboBox *>(QStringLiteral("ComBox")); }
    QString list() const { return m_env->path(QStringLiteral("list")) + QLatin1Char('/'); }

    TestEnvironment *m_env = nullptr;
    TDateimanagerForm *m_form = nullptr;
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
}

void TDateimanagerFormTest::cleanup()
{
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

// Latin-1 names from old media: run from the command line and the list,
// renamed in place, entered as a folder.
void TDateimanagerFormTest::namesThatAreNotUtf8()
{
    const auto cleanUp = qScopeGuard([this] { FileTree::removeRawTree(QFile::encodeName(m_env->root())); });
    const QByteArray raw = QFile::encodeName(list());
    QVERIFY(FileTree::writeRaw(raw + "latin\xe4.txt", "abc"));
    ::mkdir((raw + "ordner\xe4").constData(), 0755);
    QVERIFY(FileTree::writeRaw(raw + "ordner\xe4/inner.txt", "x"));
    const QString file = NativeNames::decode("latin\xe4.txt");
    const QString folder = NativeNames::decode("ordner\xe4");
    LauncherRecorder launcher;
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    m_form->setStartCommandLine(list() + QStringLiteral("a.txt"));
    m_form->becomeActive();
    TFileList *files = m_form->fileList();
    files->selectOnly(RowOf(*files, file));
    QCOMPARE(comBox()->currentText(), list() + file);
    child<QToolButton>(m_form, "Button_ComRun")->click();
    emit files->itemActivated(files->currentRow());
    QCOMPARE(launcher.count(), 2);
    for (const Launcher::Request &request : launcher.requests()) {
        QCOMPARE(request.file, file);
        QCOMPARE(request.folder, list());
    }

    FileListModel &model = files->model();
    QVERIFY(!model.setData(model.index(RowOf(*files, file), 0), QStringLiteral("a.txt"), Qt::EditRole));
    QCOMPARE(boxes.last().text, QStringLiteral("Die Datei oder das Verzeichnis \"latin\uFFFD.txt\"\rkonnte nicht nach "
                                               "\"a.txt\" umbenannt werden."));
    QVERIFY(model.setData(model.index(RowOf(*files, file), 0), QStringLiteral("Lätin.txt"), Qt::EditRole));
    QVERIFY(FileSystem::fileExists(list() + QStringLiteral("Lätin.txt")));
    QVERIFY(!FileSystem::fileExists(list() + file));

    files->selectOnly(RowOf(*files, folder));
    emit files->itemActivated(files->currentRow());
    QCOMPARE(model.directory(), list() + folder + QLatin1Char('/'));
    QCOMPARE(RowOf(*files, QStringLiteral("inner.txt")), 0);
    QCOMPARE(boxes.count(), 1);
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
    QString question;
    ModalSeam::ScopedHandler seam([&question](QDialog *dialog) {
        question = labelText(dialog, "Label1");
        child<QRadioButton>(dialog, "RadioButton_Loeschen")->setChecked(true);
        child(dialog, "Button_Loeschen")->click();
        return dialog->result();
    });
    remove->click();
    QCOMPARE(question, QStringLiteral("Sollen die 2 markierten Objekte"));
    QVERIFY(!QFile::exists(list() + QStringLiteral("c.dat")));
    QVERIFY(!QFile::exists(list() + QStringLiteral("sub")));
    QCOMPARE(files->count(), 2);
}

void TDateimanagerFormTest::groupSelectionExtends()
{
    m_form->ChangeDir(list());
    TFileList *files = m_form->fileList();
    files->setRowSelected(RowOf(*files, QStringLiteral("c.dat")), true);
    auto *menu = m_form->findChild<QMenu *>(QStringLiteral("PopupMenu_Markieren"));
    {
        ModalSeam::ScopedHandler seam(GroupDialog(QStringLiteral("b*.*"), true));
        menu->actions().at(0)->trigger();
    }
    QCOMPARE(SelectedNames(*files), (QStringList{"b.txt", "c.dat"}));
    {
        // "*.*" takes names without an extension too, folders included.
        ModalSeam::ScopedHandler seam(GroupDialog(QStringLiteral("*.*"), false));
        menu->actions().at(0)->trigger();
    }
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

void TDateimanagerFormTest::typedTextStaysAsTyped_data()
{
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QStringList>("selected");
    // "@" stands for the listed folder; typing goes to the end of the line.
    QTest::newRow("argument after the selected file") << "@a.txt"
                                                      << " eins" << QString() << "@" << QStringList{"a.txt"};
    QTest::newRow("path and argument typed") << ""
                                             << "@sub/inner.txt -r" << QString() << "@sub/" << QStringList{"inner.txt"};
    QTest::newRow("completion offered from the history") << ""
                                                         << "@s"
                                                         << "ub/"
                                                         << "@" << QStringList{};
}

// The line follows no selection while it is typed: what is typed stays.
void TDateimanagerFormTest::typedTextStaysAsTyped()
{
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QString, offered);
    QFETCH(QString, folder);
    QFETCH(QStringList, selected);
    const auto fill = [this](QString text) { return text.replace(QLatin1Char('@'), list()); };
    m_form->ChangeDir(list() + QStringLiteral("sub/"));
    m_form->setStartCommandLine(start.isEmpty() ? list() : fill(start));
    m_form->becomeActive();
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form));
    comBox()->setFocus();
    if (start.isEmpty())
        comBox()->clearEditText();
    comBox()->lineEdit()->end(false);
    QTest::keyClicks(comBox(), fill(typed));
    QCoreApplication::processEvents();
    QCOMPARE(m_form->fileList()->model().directory(), fill(folder));
    QCOMPARE(comBox()->currentText(), fill(start) + fill(typed) + offered);
    QCOMPARE(SelectedNames(*m_form->fileList()), selected);
}

void TDateimanagerFormTest::propertiesDescribeAsTheList_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("figures");
    QTest::addColumn<QString>("dosName");
    QTest::newRow("folder") << "sub"
                            << "1 Verzeichnis(se), 1 Datei(en)" << QString();
    QTest::newRow("link to a folder") << "sublink"
                                      << "1 Verzeichnis(se), 1 Datei(en)" << QString();
    QTest::newRow("file") << "a.txt"
                          << "0 Verzeichnis(se), 1 Datei(en)"
                          << "A.TXT";
}

// One selected item: the type the list shows, and a link as what it points
// to, as the list has it.
void TDateimanagerFormTest::propertiesDescribeAsTheList()
{
    QFETCH(QString, name);
    QFETCH(QString, figures);
    QFETCH(QString, dosName);
    QVERIFY(QFile::link(list() + QStringLiteral("sub"), list() + QStringLiteral("sublink")));
    m_form->ChangeDir(list() + name);
    TFileList *files = m_form->fileList();
    const int row = RowOf(*files, name);
    QCOMPARE(SelectedNames(*files), QStringList{name});
    QStringList shown;
    ModalSeam::ScopedHandler seam([&shown](QDialog *dialog) {
        qobject_cast<TEigenschaftenForm *>(dialog)->fill();
        shown << labelText(dialog, "Label_Typ") << labelText(dialog, "Label_AnzahlDirsFiles")
              << labelText(dialog, "Label_DosDateiname");
        return int(QDialog::Rejected);
    });
    child(m_form, "Button_Eigenschaften")->click();
    const QString listed = files->model().index(row, files->model().columnOf(fiType)).data().toString();
    QVERIFY(!listed.isEmpty());
    QCOMPARE(shown, (QStringList{listed, figures, dosName}));
}

void TDateimanagerFormTest::namesShowWhole_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("sortKey");
    QTest::newRow("list by date") << int(TFileList::vsList) << int(fiCreated);
    QTest::newRow("small icons by date") << int(TFileList::vsSmallIcon) << int(fiCreated);
    QTest::newRow("large icons by name") << int(TFileList::vsIcon) << int(fiName);
}

// Every name fits its cell, whatever the order and after a re-read.
void TDateimanagerFormTest::namesShowWhole()
{
    QFETCH(int, style);
    QFETCH(int, sortKey);
    m_env->writeFile(QStringLiteral("list/.versteckte Notizen zum Projekt.txt"), "1234567");
    m_env->writeFile(QStringLiteral("list/Ärger über die Übersetzung der Oberfläche.txt"), "12");
    m_env->makeFolder(QStringLiteral("list/link-ordner auf die gemeinsamen Vorlagen"));
    m_env->makeFolder(QStringLiteral("list/x"));
    m_form->resize(640, 460);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    m_form->ChangeDir(list());
    TFileList *files = m_form->fileList();
    files->setViewStyle(TFileList::ViewStyle(style));
    for (int pass = 0; pass < 2; ++pass) {
        files->model().setSortColumn(FileInfo(sortKey));
        files->model().reread();
        auto *view = qobject_cast<QListView *>(files->currentView());
        QVERIFY(view);
        view->doItemsLayout();
        for (int row = 0; row < files->count(); ++row) {
            const QModelIndex index = files->model().index(row, 0);
            const QSize needed = view->sizeHintForIndex(index);
            const QSize cell = style == TFileList::vsIcon ? view->gridSize() : view->visualRect(index).size();
            QVERIFY2(cell.width() >= needed.width() && cell.height() >= needed.height(),
                     qPrintable(files->model().entry(row).name));
        }
    }
}

// The table widths are minimums: ten-digit sizes and times show whole.
void TDateimanagerFormTest::detailColumnsFitTheirText()
{
    QFile big(m_env->path(QStringLiteral("list/big.iso")));
    QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(Q_INT64_C(3221225472)));
    big.close();
    m_form->ChangeDir(list());
    TFileList *files = m_form->fileList();
    files->setViewStyle(TFileList::vsReport);
    const auto *view = qobject_cast<QTreeView *>(files->currentView());
    QVERIFY(view);
    const FileListModel &model = files->model();
    for (const FileInfo info : {fiName, fiSize, fiType, fiModified, fiCreated}) {
        const int column = model.columnOf(info);
        for (int row = 0; row < files->count(); ++row) {
            const QModelIndex index = model.index(row, column);
            QVERIFY2(view->columnWidth(column) >= view->sizeHintForIndex(index).width(),
                     qPrintable(index.data().toString()));
        }
    }
}

void TDateimanagerFormTest::viewButtonsLookDifferent()
{
    QList<QImage> pictures;
    for (const char *name : {"Button_IconBig", "Button_IconSmall", "Button_IconList", "Button_IconReport"}) {
        const QImage picture = child<QToolButton>(m_form, name)->icon().pixmap(16).toImage();
        QVERIFY2(!pictures.contains(picture), name);
        pictures << picture;
    }
}

void TDateimanagerFormTest::captionsFitAtMinimumWidth()
{
    m_form->show();
    m_form->resize(m_form->minimumSizeHint());
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    m_form->layout()->activate();
    for (QPushButton *button : child<QWidget>(m_form, "ButtonPanel")->findChildren<QPushButton *>()) {
        const QString caption = button->text().remove(QLatin1Char('&'));
        QVERIFY2(button->width() > button->fontMetrics().horizontalAdvance(caption), qPrintable(caption));
    }
}

// The list stays empty; the status line says why.
void TDateimanagerFormTest::unreadableFolderSaysSo()
{
    m_form->ChangeDir(list() + QStringLiteral("sub/"));
    auto *bytes = child<QLabel>(m_form, "StatusPanel1");
    QCOMPARE(bytes->text(), QString());
    QVERIFY(QDir(list() + QStringLiteral("sub")).removeRecursively());
    child<QToolButton>(m_form, "Button_Refresh")->click();
    QCOMPARE(m_form->fileList()->count(), 0);
    QCOMPARE(bytes->text(), QStringLiteral("Kein Zugriff"));
    m_form->ChangeDir(list());
    QCOMPARE(bytes->text(), QString());
}

BREKKO_TEST_MAIN(TDateimanagerFormTest)
#include "TDateimanagerFormTest.moc"
