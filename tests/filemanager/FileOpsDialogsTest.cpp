#include "FileTreeFixture.h"
#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "ScratchMount.h"
#include "TestRegistry.h"
#include "common/ModalSeam.h"
#include "filemanager/ops/TCopyMoveForm.h"
#include "filemanager/ops/TDeleteForm.h"
#include "filemanager/ops/TEigenschaftenForm.h"
#include "filemanager/ops/TMkDirForm.h"
#include "filemanager/ops/TMsgOverrideFileForm.h"
#include "filemanager/ops/TSelectGroupForm.h"
#include "platform/FileOperations.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTest>

namespace {

// Makes folder below root, named by its bytes; returns its path.
QString makeRawFolder(const QString &root, const QByteArray &folder)
{
    const QByteArray path = QFile::encodeName(root) + '/' + folder;
    ::mkdir(path.constData(), 0755);
    return NativeNames::decode(path);
}

// Runs form through the seam: types the target, presses start and lets
// onOverwrite answer the overwrite dialogs.
int startCopy(TCopyMoveForm &form, const QString &target, const std::function<void(QDialog *)> &onOverwrite = {})
{
    ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
        if (qobject_cast<TMsgOverrideFileForm *>(dialog)) {
            if (onOverwrite)
                onOverwrite(dialog);
            return dialog->result();
        }
        child<QLineEdit>(dialog, "Edit_ZielDir")->setText(target);
        child(dialog, "Button_Starten")->click();
        return dialog->result();
    });
    return RunModal(&form);
}

} // namespace

class FileOpsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void copyDialogTexts_data();
    void copyDialogTexts();
    void overwriteAllSilencesTheRestOfTheRun();
    void spaceQuestion();
    void refusedBeforeAnythingIsAsked_data();
    void refusedBeforeAnythingIsAsked();
    void deleteDialog_data();
    void deleteDialog();
    void makeFolder_data();
    void makeFolder();
    void propertiesOfMixedFiles();
    void propertiesOfOneFile_data();
    void propertiesOfOneFile();
    void attributeBoxOneClick_data();
    void attributeBoxOneClick();
    void groupDialog_data();
    void groupDialog();
};

void FileOpsDialogsTest::copyDialogTexts_data()
{
    QTest::addColumn<bool>("copyMode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("verb");
    QTest::newRow("copy") << true << "Kopieren"
                          << "Kopiere Datei";
    QTest::newRow("move") << false << "Verschieben"
                          << "Verschiebe Datei";
}

void FileOpsDialogsTest::copyDialogTexts()
{
    QFETCH(bool, copyMode);
    QFETCH(QString, caption);
    QFETCH(QString, verb);
    TestEnvironment env;
    const QString folder = env.makeFolder(QStringLiteral("src"));
    TCopyMoveForm form(folder, {QStringLiteral("a"), QStringLiteral("b")}, copyMode);
    QCOMPARE(form.windowTitle(), caption);
    QCOMPARE(labelText(&form, "Label_AnzahlObjekte"), QStringLiteral("2 Objekt(e) markiert."));
    QCOMPARE(labelText(&form, "Label_QuellDir"), folder + QLatin1Char('/'));
    QCOMPARE(labelText(&form, "Label_CopyMoveDatei"), verb);
    QVERIFY(labelText(&form, "DriveLabel").endsWith(QStringLiteral(" Bytes frei.")));
    QCOMPARE(child<QCheckBox>(&form, "CheckBox_AttrUebernehmen")->isVisibleTo(&form), copyMode);
    QVERIFY(child<QCheckBox>(&form, "CheckBox_AskOverride")->isChecked());
    QVERIFY(!child(&form, "Button_Starten")->isEnabled());
    form.show();
    QVERIFY(child(&form, "Button_Starten")->isEnabled());
}

void FileOpsDialogsTest::overwriteAllSilencesTheRestOfTheRun()
{
    TestEnvironment env;
    FileTree::write(env.path(QStringLiteral("src/d/a.txt")), "new a");
    FileTree::write(env.path(QStringLiteral("src/d/sub/b.txt")), "new b");
    FileTree::write(env.path(QStringLiteral("dst/d/a.txt")), "old");
    FileTree::write(env.path(QStringLiteral("dst/d/sub/b.txt")), "old");
    TCopyMoveForm form(env.path(QStringLiteral("src")), {QStringLiteral("d")}, true);
    QStringList asked;
    const int result = startCopy(form, env.path(QStringLiteral("dst")), [&asked](QDialog *dialog) {
        asked << labelText(dialog, "Label_Dateiname1") << labelText(dialog, "Label_Dateigroesse1")
              << labelText(dialog, "Label_Dateiname2");
        child(dialog, "Button_AlleUeberschreiben")->click();
    });
    QCOMPARE(result, int(QDialog::Accepted));
    QCOMPARE(asked, (QStringList{env.path(QStringLiteral("dst/d/a.txt")), QStringLiteral("3"),
                                 env.path(QStringLiteral("src/d/a.txt"))}));
    QVERIFY(!child<QCheckBox>(&form, "CheckBox_AskOverride")->isChecked());
    QCOMPARE(FileBytes(env.path(QStringLiteral("dst/d/sub/b.txt"))), QByteArray("new b"));
    QCOMPARE(child<QLineEdit>(&form, "Edit_ZielDir")->text(), env.path(QStringLiteral("dst/")));
}

void FileOpsDialogsTest::spaceQuestion()
{
    TestEnvironment env;
    const QString target = env.path(QStringLiteral("small"));
    const ScratchMount medium(64, target);
    REQUIRE_MOUNT(medium);
    FileTree::write(env.path(QStringLiteral("src/large.bin")), QByteArray(200000, 'l'));
    MsgBoxRecorder recorder;
    recorder.answer(MsgBox::ResultYes);
    TCopyMoveForm form(env.path(QStringLiteral("src")), {QStringLiteral("large.bin")}, false);
    QCOMPARE(startCopy(form, target), int(QDialog::Rejected));
    QCOMPARE(recorder.count(), 1);
    QCOMPARE(recorder.last().caption, QStringLiteral("Fehler: Nicht genügend freier Speicherplatz..."));
    QVERIFY(recorder.last().text.endsWith(QStringLiteral("\rVerschiebevorhaben abbrechen ?")));
    QVERIFY(!form.isVisible() || !child<QFrame>(&form, "Panel_Step3")->isVisible());

    // Going on anyway: the full disk ends the file, nothing half-written
    // stays, the source is kept.
    recorder.answer(MsgBox::ResultNo);
    recorder.answer(MsgBox::ResultOk);
    TCopyMoveForm again(env.path(QStringLiteral("src")), {QStringLiteral("large.bin")}, false);
    QCOMPARE(startCopy(again, target), int(QDialog::Rejected));
    QCOMPARE(recorder.count(), 3);
    QCOMPARE(recorder.last().caption, QStringLiteral("Fehler: Datei konnte nicht kopiert werden..."));
    QVERIFY(!QFile::exists(target + QStringLiteral("/large.bin")));
    QCOMPARE(FileOperations::entrySize(env.path(QStringLiteral("src/large.bin"))), qint64(200000));
}

void FileOpsDialogsTest::refusedBeforeAnythingIsAsked_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    QTest::newRow("into itself") << "src/d/inner"
                                 << "in sich selbst kopiert";
    QTest::newRow("a file where a folder is") << "dst"
                                              << "/dst/d/a.txt\" ist ein Verzeichnis.";
}

void FileOpsDialogsTest::refusedBeforeAnythingIsAsked()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    TestEnvironment env;
    FileTree::write(env.path(QStringLiteral("src/d/a.txt")), "a");
    FileTree::write(env.path(QStringLiteral("src/d/b.txt")), "b");
    FileTree::write(env.path(QStringLiteral("dst/d/b.txt")), "old b");
    env.makeFolder(QStringLiteral("dst/d/a.txt"));
    const QStringList before = FileTree::listing(env.root());
    MsgBoxRecorder recorder;
    recorder.answer(MsgBox::ResultOk);
    TCopyMoveForm form(env.path(QStringLiteral("src")), {QStringLiteral("d")}, true);
    bool overwriteAsked = false;
    startCopy(form, env.path(target), [&overwriteAsked](QDialog *) { overwriteAsked = true; });
    QCOMPARE(recorder.count(), 1);
    QVERIFY(recorder.last().text.contains(reason));
    QVERIFY(!overwriteAsked);
    QCOMPARE(FileTree::listing(env.root()), before);
}

void FileOpsDialogsTest::deleteDialog_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("question");
    QTest::newRow("one") << QStringList{"Locked.txt"} << "Soll \"Locked.txt\"";
    QTest::newRow("several") << QStringList{"Locked.txt", "other.txt"} << "Sollen die 2 markierten Objekte";
}

void FileOpsDialogsTest::deleteDialog()
{
    QFETCH(QStringList, names);
    QFETCH(QString, question);
    TestEnvironment env;
    const QString folder = env.makeFolder(QStringLiteral("list"));
    FileTree::write(folder + QStringLiteral("/Locked.txt"), "x");
    FileTree::makeReadOnly(folder + QStringLiteral("/Locked.txt"));
    FileTree::write(folder + QStringLiteral("/other.txt"), "y");
    FileTree::write(folder + QStringLiteral("/kept.txt"), "z");
    MsgBoxRecorder recorder;
    TDeleteForm form(folder, names);
    QCOMPARE(labelText(&form, "Label1"), question);
    QVERIFY(child<QRadioButton>(&form, "RadioButton_Papierkorb")->isChecked());
    child<QRadioButton>(&form, "RadioButton_Loeschen")->setChecked(true);
    QVERIFY(!child<QRadioButton>(&form, "RadioButton_Papierkorb")->isChecked());
    child(&form, "Button_Loeschen")->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(recorder.count(), 0);
    QCOMPARE(labelText(&form, "DonePanel"), QStringLiteral("Lösche markierte Objekte unwiderruflich..."));
    for (const QString &name : names)
        QVERIFY(!QFile::exists(folder + QLatin1Char('/') + name));
    QVERIFY(QFile::exists(folder + QStringLiteral("/kept.txt")));
    QVERIFY(QDir(env.path(QStringLiteral("data/Trash/files"))).isEmpty());
}

void FileOpsDialogsTest::makeFolder_data()
{
    QTest::addColumn<QByteArray>("parent");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("caption");
    QTest::newRow("new") << QByteArray("list") << "Neu Ördner" << true << "";
    QTest::newRow("exists") << QByteArray("list") << "there" << false << "Fehler: Verzeichnis existiert bereits...";
    QTest::newRow("separator") << QByteArray("list") << "a\\b" << false << "";
    QTest::newRow("slash") << QByteArray("list") << "a/b" << false << "";
    QTest::newRow("new in a Latin-1 folder") << QByteArray("list\xe4") << "Neu Ördner" << true << "";
    QTest::newRow("exists in a Latin-1 folder")
        << QByteArray("list\xe4") << "there" << false << "Fehler: Verzeichnis existiert bereits...";
}

void FileOpsDialogsTest::makeFolder()
{
    QFETCH(QByteArray, parent);
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QFETCH(QString, caption);
    TestEnvironment env;
    const auto cleanUp = qScopeGuard([&env] { FileTree::removeRawTree(QFile::encodeName(env.root())); });
    const QString folder = makeRawFolder(env.root(), parent);
    makeRawFolder(env.root(), parent + "/there");
    const QStringList before = FileTree::listing(folder);
    MsgBoxRecorder recorder;
    if (!accepted)
        recorder.answer(MsgBox::ResultOk);
    TMkDirForm form(folder);
    QVERIFY(!child(&form, "Button_Erstellen")->isEnabled());
    child<QLineEdit>(&form, "DirEdit")->setText(name);
    child(&form, "Button_Erstellen")->click();
    QCOMPARE(form.result() == QDialog::Accepted, accepted);
    if (accepted) {
        QCOMPARE(recorder.count(), 0);
        QVERIFY(FileSystem::folderExists(folder + QLatin1Char('/') + name));
        return;
    }
    QCOMPARE(recorder.count(), 1);
    if (!caption.isEmpty())
        QCOMPARE(recorder.last().caption, caption);
    QCOMPARE(FileTree::listing(folder), before);
    QCOMPARE(child<QLineEdit>(&form, "DirEdit")->selectedText(), name);
}

void FileOpsDialogsTest::propertiesOfMixedFiles()
{
    TestEnvironment env;
    const QString folder = env.makeFolder(QStringLiteral("list"));
    FileTree::write(folder + QStringLiteral("/rw.txt"), "12345");
    FileTree::write(folder + QStringLiteral("/ro.txt"), "1234");
    FileTree::makeReadOnly(folder + QStringLiteral("/ro.txt"));
    const QStringList before = FileTree::listing(folder);
    TEigenschaftenForm form(folder, {QStringLiteral("rw.txt"), QStringLiteral("ro.txt")});
    QCOMPARE(form.windowTitle(), QStringLiteral("Lese Eigenschaften. Bitte warten..."));
    QVERIFY(!child(&form, "Button_Ok")->isEnabled());
    form.fill();
    QCOMPARE(form.windowTitle(), QStringLiteral("Eigenschaften"));
    QCOMPARE(labelText(&form, "Label_AnzahlMarkObjekte"), QStringLiteral("2 Objekte markiert."));
    QCOMPARE(labelText(&form, "Label_AnzahlDirsFiles"), QStringLiteral("0 Verzeichnis(se), 2 Datei(en)"));
    QCOMPARE(labelText(&form, "Label_Groesse"), QStringLiteral("9 Byte"));
    QCOMPARE(labelText(&form, "Label_Typ"), QStringLiteral("Alles Dateien"));
    QVERIFY(!child<QGroupBox>(&form, "GroupBox_Datei")->isVisibleTo(&form));
    auto *readOnly = child<QCheckBox>(&form, "CheckBox_DA_ReadOnly");
    QCOMPARE(readOnly->checkState(), Qt::PartiallyChecked);
    QVERIFY(readOnly->isEnabled());
    QVERIFY(!child<QCheckBox>(&form, "CheckBox_DA_System")->isEnabled());
    QVERIFY(!child<QCheckBox>(&form, "CheckBox_DA_Archiv")->isEnabled());
    child(&form, "Button_Ok")->click();
    QCOMPARE(FileTree::listing(folder), before);

    TEigenschaftenForm again(folder, {QStringLiteral("rw.txt"), QStringLiteral("ro.txt")});
    again.fill();
    child<QCheckBox>(&again, "CheckBox_DA_ReadOnly")->setCheckState(Qt::Checked);
    child(&again, "Button_Ok")->click();
    QVERIFY(FileOperations::isReadOnly(folder + QStringLiteral("/rw.txt")));
    QVERIFY(FileOperations::isReadOnly(folder + QStringLiteral("/ro.txt")));
}

void FileOpsDialogsTest::propertiesOfOneFile_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("linkTo");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<bool>("hidden");
    QTest::newRow("hidden file") << QByteArray("list") << QByteArray(".Notes.txt") << QByteArray() << ".NOTES.TXT"
                                 << true;
    QTest::newRow("Latin-1 name") << QByteArray("list") << QByteArray("latin\xe4.txt") << QByteArray()
                                  << "LATIN\uFFFD.TXT" << false;
    QTest::newRow("Latin-1 folder and name")
        << QByteArray("ordner\xe4") << QByteArray("\xc4rger\xff") << QByteArray() << "\uFFFDRGER\uFFFD" << false;
    QTest::newRow("link between Latin-1 names")
        << QByteArray("ordner\xe4") << QByteArray("verweis\xff") << QByteArray("ziel\xe4") << "VERWEIS\uFFFD" << false;
}

// The facts of the one file (a link's target), and the read-only box set on
// it.
void FileOpsDialogsTest::propertiesOfOneFile()
{
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, linkTo);
    QFETCH(QString, shownName);
    QFETCH(bool, hidden);
    TestEnvironment env;
    const auto cleanUp = qScopeGuard([&env] { FileTree::removeRawTree(QFile::encodeName(env.root())); });
    const QString place = makeRawFolder(env.root(), folder);
    const QByteArray raw = NativeNames::encode(place) + '/' + (linkTo.isEmpty() ? name : linkTo);
    QVERIFY(FileTree::writeRaw(raw, "n"));
    if (!linkTo.isEmpty())
        QCOMPARE(::symlink(linkTo.constData(), (NativeNames::encode(place) + '/' + name).constData()), 0);
    struct stat facts;
    QCOMPARE(::stat(raw.constData(), &facts), 0);
    const QString modified =
        QDateTime::fromSecsSinceEpoch(facts.st_mtime, Qt::UTC).toString(QStringLiteral("d.M.yyyy H:m:s"));

    TEigenschaftenForm form(place, {NativeNames::decode(name)});
    form.fill();
    QVERIFY(child<QGroupBox>(&form, "GroupBox_Datei")->isVisibleTo(&form));
    QCOMPARE(labelText(&form, "Label_DosDateiname"), shownName);
    QCOMPARE(labelText(&form, "Label_Ort"), NativeNames::forDisplay(place));
    QCOMPARE(labelText(&form, "Label_Geaendert"), modified);
    QVERIFY(!labelText(&form, "Label_Erstellt").isEmpty());
    QCOMPARE(child<QCheckBox>(&form, "CheckBox_DA_Hidden")->checkState(), hidden ? Qt::Checked : Qt::Unchecked);
    auto *readOnly = child<QCheckBox>(&form, "CheckBox_DA_ReadOnly");
    QCOMPARE(readOnly->checkState(), Qt::Unchecked);
    readOnly->click();
    child(&form, "Button_Ok")->click();
    QVERIFY(FileOperations::isReadOnly(NativeNames::decode(raw)));
}

void FileOpsDialogsTest::attributeBoxOneClick_data()
{
    QTest::addColumn<QStringList>("readOnly");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("afterwards");
    QTest::newRow("writable file") << QStringList{} << int(Qt::Checked) << true;
    QTest::newRow("read-only file") << QStringList{"a.txt"} << int(Qt::Unchecked) << false;
    QTest::newRow("mixed") << QStringList{"b.txt"} << int(Qt::Checked) << true;
}

// Grey is offered only for a mixed selection; one click toggles otherwise,
// and OK applies what the box shows.
void FileOpsDialogsTest::attributeBoxOneClick()
{
    QFETCH(QStringList, readOnly);
    QFETCH(int, clicked);
    QFETCH(bool, afterwards);
    TestEnvironment env;
    const QString folder = env.makeFolder(QStringLiteral("list"));
    FileTree::write(folder + QStringLiteral("/a.txt"), "a");
    FileTree::write(folder + QStringLiteral("/b.txt"), "b");
    for (const QString &name : readOnly)
        FileTree::makeReadOnly(folder + QLatin1Char('/') + name);
    const QStringList names = readOnly.contains(QStringLiteral("b.txt"))
                                  ? QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")}
                                  : QStringList{QStringLiteral("a.txt")};
    TEigenschaftenForm form(folder, names);
    form.fill();
    auto *box = child<QCheckBox>(&form, "CheckBox_DA_ReadOnly");
    box->click();
    QCOMPARE(int(box->checkState()), clicked);
    child(&form, "Button_Ok")->click();
    for (const QString &name : names)
        QCOMPARE(FileOperations::isReadOnly(folder + QLatin1Char('/') + name), afterwards);
}

void FileOpsDialogsTest::groupDialog_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("accepted") << "*.txt"
                              << "";
    QTest::newRow("no name") << ".txt"
                             << "Kein Dateiname angegeben.";
}

void FileOpsDialogsTest::groupDialog()
{
    QFETCH(QString, pattern);
    QFETCH(QString, refusal);
    MsgBoxRecorder recorder;
    if (!refusal.isEmpty())
        recorder.answer(MsgBox::ResultOk);
    TSelectGroupForm form;
    auto *edit = child<QLineEdit>(&form, "GroupEdit");
    QCOMPARE(edit->text(), QStringLiteral("*.*"));
    edit->clear();
    QVERIFY(!child(&form, "Button_Uebernehmen")->isEnabled());
    edit->setText(pattern);
    child<QCheckBox>(&form, "CheckBox_VerzeichnisseAusschliessen")->setChecked(true);
    child(&form, "Button_Uebernehmen")->click();
    if (refusal.isEmpty()) {
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.pattern(), pattern);
        QVERIFY(form.excludeFolders());
        QCOMPARE(recorder.count(), 0);
        return;
    }
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(recorder.count(), 1);
    QCOMPARE(recorder.last().caption, QStringLiteral("Fehler: Ungültige Angabe..."));
    QCOMPARE(recorder.last().text, refusal);
    QCOMPARE(edit->selectedText(), pattern);
}

BREKKO_TEST_MAIN(FileOpsDialogsTest)
#include "FileOpsDialogsTest.moc"
