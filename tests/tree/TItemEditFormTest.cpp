#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "components/EditContextMenu.h"
#include "components/FileListBox.h"
#include "components/FolderListBox.h"
#include "project/Project.h"
#include "tree/ItemEditHost.h"
#include "tree/TImagesEditForm.h"
#include "tree/TItemEditForm.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// A window that opens the dialog: a project with entries A(a1), B and
// records of what the dialog tells it.
class FakeHost : public ItemEditHost {
public:
    FakeHost()
    {
        auto a = std::make_unique<ProjectEntry>(QStringLiteral("A"));
        a->imageIndex = 0;
        a->selectedImageIndex = 1;
        ProjectEntry *parent = m_project.tree.append(nullptr, std::move(a));
        m_project.tree.append(parent, std::make_unique<ProjectEntry>(QStringLiteral("a1")));
        selected = m_project.tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("B")));
        selected->imageIndex = 2;
        selected->selectedImageIndex = 3;
        selected->record.action = ActionExecute;
    }

    Project &project() override { return m_project; }
    ProjectEntry *selectedEntry() override { return selected; }
    QStringList commentFieldLines() override { return commentLines; }
    QString commandFieldText() override { return commandText; }
    void entryDisplayChanged(ProjectEntry *) override {}
    void setImagesShown(bool shown) override { m_project.useImages = shown; }
    void imagesEdited() override { ++imageEdits; }
    void markModified() override { modified = true; }
    void showStoredEntry(bool replaced) override
    {
        ++shown;
        commentReplaced = replaced;
    }

    Project m_project;
    ProjectEntry *selected = nullptr;
    QStringList commentLines{QStringLiteral("first"), QStringLiteral("second")};
    QString commandText;
    int shown = 0;
    int imageEdits = 0;
    bool modified = false;
    bool commentReplaced = false;
};

void click(QWidget *dialog, const char *name)
{
    child<QAbstractButton>(dialog, name)->click();
}

} // namespace

class TItemEditFormTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensWithTheEntry();
    void storesTheShortenedCommandLine();
    void findingsAnsweredNoKeepDialogOpen();
    void cancelWritesNothing();
    void pickingFolderAndFileNamesAnUntitledEntry();
    void typedCommandLineMovesTheLists();
    void automaticImagesFollowTheShape();
    void imageListEditorGrowsTheDropDowns();
    void appendsATextFileToTheComment();
    void enlargedCommentMode();
    void normalSizeAfterEnlargedModeLeftWithEscape();
    void enterInAListOnlyChooses_data();
    void enterInAListOnlyChooses();
    void commentMenu_data();
    void commentMenu();

private:
    TestEnvironment *m_env = nullptr;
    QString m_drive;
    TItemEditForm *m_form = nullptr;
};

void TItemEditFormTest::init()
{
    m_env = new TestEnvironment;
    m_drive = m_env->addVolume(QStringLiteral("stick"));
    m_env->writeFile(QStringLiteral("stick/tools/Packer.sh"), "#!/bin/sh\n");
    m_env->writeFile(QStringLiteral("stick/tools/readme.txt"), "x\n");
    m_env->makeFolder(QStringLiteral("stick/Spiele"));
    AppContext::setProjectFileName(m_drive + QStringLiteral("/catalogue.prj"));
    m_form = new TItemEditForm;
}

void TItemEditFormTest::cleanup()
{
    delete m_form;
    delete m_env;
}

void TItemEditFormTest::opensWithTheEntry()
{
    FakeHost host;
    host.commandText = QStringLiteral("  \\tools\\Packer.sh  ");
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        [&] {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Projekteintrag bearbeiten - 3/3"));
            QCOMPARE(child<QLineEdit>(dialog, "TitelEdit")->text(), QStringLiteral("B"));
            QVERIFY(child<QLineEdit>(dialog, "TitelEdit")->isModified());
            QCOMPARE(child<QComboBox>(dialog, "ImageComboBox1")->count(), host.m_project.images.count());
            QCOMPARE(child<QComboBox>(dialog, "ImageComboBox1")->itemText(19), QStringLiteral("20"));
            QCOMPARE(child<QComboBox>(dialog, "ImageComboBox1")->currentIndex(), 2);
            QCOMPARE(child<QComboBox>(dialog, "ImageComboBox2")->currentIndex(), 3);
            QVERIFY(child<QCheckBox>(dialog, "ImageCheckBoxUseImages")->isChecked());
            QCOMPARE(child<QPlainTextEdit>(dialog, "KommentarMemo")->toPlainText(), QStringLiteral("first\nsecond"));
            QVERIFY(child<QAbstractButton>(dialog, "BefehlButtonAusfuehren")->isChecked());
            QCOMPARE(child<QLineEdit>(dialog, "BefehlEdit")->text(), m_drive + QStringLiteral("/tools/Packer.sh"));
            QCOMPARE(child<FolderListBox>(dialog, "BefehlDirectoryListBox")->folder(),
                     m_drive + QStringLiteral("/tools"));
            QCOMPARE(child<FileListBox>(dialog, "BefehlFileListBox")->selectedFile(),
                     m_drive + QStringLiteral("/tools/Packer.sh"));
            QCOMPARE(child<QComboBox>(dialog, "BefehlFilterComboBox")->itemText(1),
                     QStringLiteral("Ausführbare Dateien [*.bat;*.com;*.exe]"));
        }();
        return int(QDialog::Rejected);
    });
    QCOMPARE(m_form->edit(host), int(QDialog::Rejected));
}

void TItemEditFormTest::storesTheShortenedCommandLine()
{
    FakeHost host;
    MsgBoxRecorder boxes;
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        child<QLineEdit>(dialog, "TitelEdit")->setText(QStringLiteral("Packer"));
        child<QLineEdit>(dialog, "BefehlEdit")->setText(m_drive + QStringLiteral("/tools/Packer.sh -v"));
        click(dialog, "BefehlButtonMakro");
        click(dialog, "BefehlButtonAusfuehren");
        click(dialog, "Button_Uebernehmen");
        return dialog->result();
    });
    QCOMPARE(m_form->edit(host), int(QDialog::Accepted));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(host.selected->title, QStringLiteral("Packer"));
    QCOMPARE(host.selected->record.command, QStringLiteral("\\tools\\Packer.sh -v"));
    QCOMPARE(host.selected->record.action, quint8(ActionExecute));
    QVERIFY(host.modified);
    QCOMPARE(host.shown, 1);
    QVERIFY(!host.commentReplaced);
}

void TItemEditFormTest::findingsAnsweredNoKeepDialogOpen()
{
    FakeHost host;
    MsgBoxRecorder boxes;
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        child<QLineEdit>(dialog, "TitelEdit")->clear();
        child<QLineEdit>(dialog, "BefehlEdit")->setText(m_drive + QStringLiteral("/Spiele"));
        click(dialog, "BefehlButtonUnzip");
        boxes.answer(MsgBox::ResultNo);
        click(dialog, "Button_Uebernehmen");
        if (!dialog->isVisible() || host.modified)
            return -1;
        boxes.answer(MsgBox::ResultYes);
        click(dialog, "Button_Uebernehmen");
        return dialog->result();
    });
    QCOMPARE(m_form->edit(host), int(QDialog::Accepted));
    QCOMPARE(boxes.count(), 2);
    QVERIFY(boxes.last().text.contains(QStringLiteral("- Baumtitel: \rEs wurde kein Text angegeben.\r")));
    QVERIFY(boxes.last().text.contains(
        QStringLiteral("- Befehl:    Verzeichnis kann nicht mittels Unzip entpackt werden.\r")));
    QCOMPARE(host.selected->title, QString());
    QCOMPARE(host.selected->record.command, QStringLiteral("\\Spiele"));
    QCOMPARE(host.selected->record.action, quint8(ActionUnzip));
}

void TItemEditFormTest::cancelWritesNothing()
{
    FakeHost host;
    host.selected->record.command = QStringLiteral("\\old");
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        child<QLineEdit>(dialog, "TitelEdit")->setText(QStringLiteral("new"));
        child<QPlainTextEdit>(dialog, "KommentarMemo")->setPlainText(QStringLiteral("new"));
        click(dialog, "Button_Abbrechen");
        return dialog->result();
    });
    QCOMPARE(m_form->edit(host), int(QDialog::Rejected));
    QCOMPARE(host.selected->title, QStringLiteral("B"));
    QCOMPARE(host.selected->record.command, QStringLiteral("\\old"));
    QVERIFY(!host.modified);
    QCOMPARE(host.shown, 0);
}

void TItemEditFormTest::pickingFolderAndFileNamesAnUntitledEntry()
{
    FakeHost host;
    host.selected->title = QStringLiteral("UNBENANNT");
    host.selected->record.action = ActionNone;
    host.commandText = QStringLiteral("\\tools\\");
    MsgBoxRecorder boxes;
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        auto *title = child<QLineEdit>(dialog, "TitelEdit");
        auto *folders = child<FolderListBox>(dialog, "BefehlDirectoryListBox");
        [&] {
            QVERIFY(!title->isModified());
            const auto activate = [folders](const QString &name) {
                const QList<QListWidgetItem *> items = folders->findItems(QLatin1Char(' ') + name, Qt::MatchEndsWith);
                if (items.size() == 1)
                    emit folders->itemActivated(items.first());
            };
            activate(QStringLiteral("stick"));
            QCOMPARE(folders->folder(), m_drive);
            QCOMPARE(title->text(), QStringLiteral("stick"));
            activate(QStringLiteral("Spiele"));
            QCOMPARE(child<QLineEdit>(dialog, "BefehlEdit")->text(), m_drive + QStringLiteral("/Spiele/"));
            QCOMPARE(title->text(), QStringLiteral("Spiele"));
            QVERIFY(!title->isModified());

            folders->setFolder(m_drive + QStringLiteral("/tools"));
            auto *files = child<FileListBox>(dialog, "BefehlFileListBox");
            files->setFolder(m_drive + QStringLiteral("/tools"));
            QListWidgetItem *readme = files->findItems(QStringLiteral("readme.txt"), Qt::MatchExactly).value(0);
            QVERIFY(readme);
            const QRect rect = files->visualItemRect(readme);
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, rect.center());
            QCOMPARE(child<QLineEdit>(dialog, "BefehlEdit")->text(), m_drive + QStringLiteral("/tools/readme.txt"));
            QCOMPARE(title->text(), QStringLiteral("readme.txt"));
        }();
        click(dialog, "BefehlButtonAusfuehren");
        click(dialog, "Button_Uebernehmen");
        return dialog->result();
    });
    QCOMPARE(m_form->edit(host), int(QDialog::Accepted));
    QCOMPARE(host.selected->title, QStringLiteral("readme.txt"));
    QCOMPARE(host.selected->record.command, QStringLiteral("\\tools\\readme.txt"));
}

void TItemEditFormTest::typedCommandLineMovesTheLists()
{
    FakeHost host;
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        [&] {
            auto *edit = child<QLineEdit>(dialog, "BefehlEdit");
            auto *folders = child<FolderListBox>(dialog, "BefehlDirectoryListBox");
            auto *files = child<FileListBox>(dialog, "BefehlFileListBox");
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("-x ") + m_drive + QStringLiteral("/Spiele"));
            QCOMPARE(folders->folder(), m_drive + QStringLiteral("/Spiele"));
            QCOMPARE(files->selectedFile(), QString());
            // The folder shown already is passed over for the file after it.
            QTest::keyClicks(edit, QStringLiteral(" ") + m_drive + QStringLiteral("/tools/Packer.sh"));
            QCOMPARE(folders->folder(), m_drive + QStringLiteral("/tools"));
            QCOMPARE(files->selectedFile(), m_drive + QStringLiteral("/tools/Packer.sh"));
            edit->clear();
            QTest::keyClicks(edit, QStringLiteral("\\Spiele"));
            QCOMPARE(folders->folder(), m_drive + QStringLiteral("/Spiele"));
            QCOMPARE(edit->text(), QStringLiteral("\\Spiele"));
        }();
        return int(QDialog::Rejected);
    });
    m_form->edit(host);
}

void TItemEditFormTest::automaticImagesFollowTheShape()
{
    FakeHost host;
    host.selected = host.m_project.tree.entryAt(0);
    host.commandText = QStringLiteral("\\tools");
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultYes);
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        child<QComboBox>(dialog, "ImageComboBox1")->setCurrentIndex(1);
        child<QComboBox>(dialog, "ImageComboBox2")->setCurrentIndex(2);
        click(dialog, "Button_Uebernehmen");
        return dialog->result();
    });
    QCOMPARE(m_form->edit(host), int(QDialog::Accepted));
    QCOMPARE(host.selected->imageIndex, 0);
    QCOMPARE(host.selected->selectedImageIndex, 1);

    ModalSeam::ScopedHandler own([&](QDialog *dialog) {
        child<QComboBox>(dialog, "ImageComboBox2")->setCurrentIndex(8);
        click(dialog, "ImageButtonLeft");
        child<QCheckBox>(dialog, "ImageCheckBoxUseImages")->setChecked(false);
        click(dialog, "BefehlButtonDateimanager");
        click(dialog, "Button_Uebernehmen");
        return dialog->result();
    });
    QCOMPARE(m_form->edit(host), int(QDialog::Accepted));
    QCOMPARE(host.selected->imageIndex, 8);
    QCOMPARE(host.selected->selectedImageIndex, 8);
    QVERIFY(!host.m_project.useImages);
}

void TItemEditFormTest::imageListEditorGrowsTheDropDowns()
{
    FakeHost host;
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QString bitmap = m_env->path(QStringLiteral("red.bmp"));
    QVERIFY(picture.save(bitmap, "BMP"));
    FileChooser::ScopedHandler chooser([&](const FileChooser::Request &) { return bitmap; });
    int images = 0;
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        if (qobject_cast<TImagesEditForm *>(dialog)) {
            click(dialog, "ButtonHinzufuegen");
            return int(QDialog::Accepted);
        }
        click(dialog, "ImageButtonBearbeiten");
        images = child<QComboBox>(dialog, "ImageComboBox2")->count();
        return int(QDialog::Rejected);
    });
    m_form->edit(host);
    QCOMPARE(images, 21);
    QCOMPARE(child<QComboBox>(m_form, "ImageComboBox1")->itemText(20), QStringLiteral("21"));
    QVERIFY(host.imageEdits > 0);
}

void TItemEditFormTest::appendsATextFileToTheComment()
{
    FakeHost host;
    host.commandText = QStringLiteral("\\tools\\Packer.sh");
    const QString notes = m_env->writeFile(QStringLiteral("notes.txt"), "drei\r\nvier\r\n");
    QString startFolder;
    FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
        startFolder = request.startFolder;
        return request.caption == QStringLiteral("Textdatei wählen...") ? notes : QString();
    });
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        click(dialog, "KommentarButtonOeffnen");
        click(dialog, "Button_Uebernehmen");
        return dialog->result();
    });
    QCOMPARE(m_form->edit(host), int(QDialog::Accepted));
    QCOMPARE(startFolder, m_drive + QStringLiteral("/tools"));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Textdatei erfolgreich hinzugefügt."));
    QCOMPARE(host.selected->record.comment, (QStringList{QStringLiteral("first"), QStringLiteral("second"),
                                                         QStringLiteral("drei"), QStringLiteral("vier")}));
    QVERIFY(host.commentReplaced);
}

void TItemEditFormTest::enlargedCommentMode()
{
    auto *button = m_form->findChild<QPushButton *>(QStringLiteral("KommentarButtonFenster"));
    QCOMPARE(button->text(), QStringLiteral("Maximieren"));
    button->click();
    QVERIFY(m_form->commentEnlarged());
    QCOMPARE(button->text(), QStringLiteral("Minimieren"));
    QVERIFY(!m_form->findChild<QLineEdit *>(QStringLiteral("TitelEdit"))->isVisibleTo(m_form));
    m_form->setCommentEnlarged(false);
    QCOMPARE(button->text(), QStringLiteral("Maximieren"));
    QVERIFY(m_form->findChild<QLineEdit *>(QStringLiteral("TitelEdit"))->isVisibleTo(m_form));
}

void TItemEditFormTest::normalSizeAfterEnlargedModeLeftWithEscape()
{
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    const QSize normal = m_form->size();
    m_form->findChild<QPushButton *>(QStringLiteral("KommentarButtonFenster"))->click();
    QTRY_VERIFY(m_form->size() != normal);
    QTest::keyClick(m_form, Qt::Key_Escape);
    QVERIFY(!m_form->isVisible());
    m_form->setCommentEnlarged(false);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
    QVERIFY(!m_form->isMaximized());
    QTRY_COMPARE(m_form->size(), normal);
}

void TItemEditFormTest::enterInAListOnlyChooses_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("command");
    QTest::newRow("folder list") << "BefehlDirectoryListBox"
                                 << " Spiele"
                                 << "/Spiele/";
    QTest::newRow("file list") << "BefehlFileListBox"
                               << "readme.txt"
                               << "/tools/readme.txt";
}

void TItemEditFormTest::enterInAListOnlyChooses()
{
    QFETCH(QString, list);
    QFETCH(QString, item);
    QFETCH(QString, command);
    FakeHost host;
    host.commandText = QStringLiteral("\\tools\\");
    MsgBoxRecorder boxes;
    bool stillOpen = false;
    QString chosen;
    ModalSeam::ScopedHandler modal([&](QDialog *dialog) {
        dialog->show();
        dialog->activateWindow();
        if (QTest::qWaitForWindowActive(dialog)) {
            if (list == QLatin1String("BefehlDirectoryListBox"))
                child<FolderListBox>(dialog, "BefehlDirectoryListBox")->setFolder(m_drive);
            auto *box = dialog->findChild<QListWidget *>(list);
            const QList<QListWidgetItem *> items = box->findItems(item, Qt::MatchEndsWith);
            if (items.size() == 1) {
                box->setFocus();
                box->setCurrentItem(items.first());
                QTest::keyClick(box, Qt::Key_Return);
                stillOpen = dialog->isVisible();
                chosen = child<QLineEdit>(dialog, "BefehlEdit")->text();
            }
        }
        dialog->reject();
        return int(QDialog::Rejected);
    });
    m_form->edit(host);
    QVERIFY(stillOpen);
    QCOMPARE(chosen, m_drive + command);
}

void TItemEditFormTest::commentMenu_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("clipboard");
    // The memo holds "eins zwei" with "zwei" selected; the clipboard "drei".
    QTest::newRow("Rückgängig") << "EditPopup_Rueckgaengig"
                                << "eins "
                                << "drei";
    QTest::newRow("Ausschneiden") << "EditPopup_Ausschneiden"
                                  << "eins "
                                  << "zwei";
    QTest::newRow("Kopieren") << "EditPopup_Kopieren"
                              << "eins zwei"
                              << "zwei";
    QTest::newRow("Einfügen") << "EditPopup_Einfuegen"
                              << "eins drei"
                              << "drei";
    QTest::newRow("Löschen") << "EditPopup_Loeschen"
                             << "eins "
                             << "drei";
    QTest::newRow("Alles markieren") << "EditPopup_AllesMarkieren"
                                     << "eins zwei"
                                     << "drei";
}

void TItemEditFormTest::commentMenu()
{
    QFETCH(QString, entry);
    QFETCH(QString, after);
    QFETCH(QString, clipboard);
    auto *memo = m_form->findChild<QPlainTextEdit *>(QStringLiteral("KommentarMemo"));
    memo->setPlainText(QStringLiteral("eins "));
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText(QStringLiteral("zwei"));
    QTextCursor cursor = memo->textCursor();
    cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor, 4);
    memo->setTextCursor(cursor);
    QGuiApplication::clipboard()->setText(QStringLiteral("drei"));
    QCOMPARE(memo->contextMenuPolicy(), Qt::CustomContextMenu);

    std::unique_ptr<QMenu> menu(CreateEditContextMenu(memo));
    QStringList captions;
    for (QAction *item : menu->actions()) {
        if (!item->isSeparator())
            captions.append(item->text());
    }
    QCOMPARE(captions,
             (QStringList{"&Rückgängig", "&Ausschneiden", "&Kopieren", "&Einfügen", "&Löschen", "&Alles markieren"}));
    QAction *item = menu->findChild<QAction *>(entry);
    QVERIFY(item && item->isEnabled());
    item->trigger();
    QCOMPARE(memo->toPlainText(), after);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
    if (entry == QLatin1String("EditPopup_AllesMarkieren"))
        QCOMPARE(memo->textCursor().selectedText(), after);
}

BREKKO_TEST_MAIN(TItemEditFormTest)
#include "TItemEditFormTest.moc"
