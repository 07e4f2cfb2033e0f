#include "FileTreeFixture.h"
#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "common/editor/TEditorForm.h"
#include "common/editor/TextEditPopup.h"
#include "platform/FileSystem.h"
#include "platform/NativeNames.h"
#include "platform/SafeSave.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTest>
#include <QToolButton>

namespace {

// Shows the editor through the modal seam on fileName and hands the window,
// once it has become active, to work.
template <typename Work>
void runEditor(const QString &fileName, Work &&work)
{
    ModalSeam::ScopedHandler modal([&work](QDialog *dialog) {
        QCoreApplication::processEvents();
        work(static_cast<TEditorForm *>(dialog));
        return int(QDialog::Accepted);
    });
    ShowEditor(nullptr, fileName);
}

} // namespace

class TEditorFormTest : public QObject {
    Q_OBJECT

private slots:
    void unreadableFileIsNotLoaded_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("caption");
        const QString notFound = QStringLiteral("Fehler: Datei nicht gefunden...");
        QTest::newRow("missing file") << QStringLiteral("Fehlt.TXT") << notFound;
        QTest::newRow("folder") << QStringLiteral("Ordner") << notFound;
        QTest::newRow("program") << QStringLiteral("prog") << QStringLiteral("Fehler: Keine Textdatei...");
    }

    void unreadableFileIsNotLoaded()
    {
        QFETCH(QString, relative);
        QFETCH(QString, caption);
        TestEnvironment env;
        env.makeFolder(QStringLiteral("Ordner"));
        env.writeFile(QStringLiteral("prog"), QByteArray("\x7F"
                                                         "ELF\2\1\1\0\0\0",
                                                         10));
        const QString path = env.path(relative);
        MsgBoxRecorder boxes;
        boxes.answer(MsgBox::ResultOk);
        bool askedForName = false;
        FileChooser::ScopedHandler chooser([&askedForName](const FileChooser::Request &) {
            askedForName = true;
            return QString();
        });
        runEditor(path, [](TEditorForm *form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("Editor"));
            QVERIFY(form->editor()->toPlainText().isEmpty());
            child<QAction>(form, "MainMenu_Datei_Speichern")->trigger();
        });
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().caption, caption);
        QVERIFY(boxes.last().text.contains(path, Qt::CaseInsensitive));
        if (caption == QLatin1String("Fehler: Datei nicht gefunden..."))
            QCOMPARE(boxes.last().text,
                     QStringLiteral("Die angegebene Datei\r\"%1\"\rkonnte nicht gefunden werden.").arg(path.toLower()));
        // The unreadable name is not saved to: saving asks for a name.
        QVERIFY(askedForName);
        QCOMPARE(FileBytes(env.path(QStringLiteral("prog"))).size(), 10);
    }

    // Opened and saved, or edited elsewhere: what the widget shows as blanks
    // or line breaks stays as it was.
    void savingKeepsWhatWasNotEdited_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QString>("appended");
        QTest::addColumn<QByteArray>("saved");

        QTest::newRow("no-break space, windows-1252") << QByteArray("A\xA0"
                                                                    "B\r\n")
                                                      << QString()
                                                      << QByteArray("A\xA0"
                                                                    "B\r\n");
        QTest::newRow("no-break space and line separator, utf-8") << QByteArray("A\xC2\xA0"
                                                                                "B\xE2\x80\xA8"
                                                                                "C\n")
                                                                  << QString()
                                                                  << QByteArray("A\xC2\xA0"
                                                                                "B\xE2\x80\xA8"
                                                                                "C\n");
        QTest::newRow("edited, the rest stays") << QByteArray("A\xC2\xA0"
                                                              "B\xE2\x80\xA8"
                                                              "C\n")
                                                << QStringLiteral("D")
                                                << QByteArray("A\xC2\xA0"
                                                              "B\xE2\x80\xA8"
                                                              "C\nD\n");
    }

    void savingKeepsWhatWasNotEdited()
    {
        QFETCH(QByteArray, original);
        QFETCH(QString, appended);
        QFETCH(QByteArray, saved);
        TestEnvironment env;
        const QString path = env.writeFile(QStringLiteral("a.txt"), original);
        MsgBoxRecorder boxes;
        runEditor(path, [&appended](TEditorForm *form) {
            if (!appended.isEmpty())
                form->editor()->appendPlainText(appended);
            child<QAction>(form, "MainMenu_Datei_Speichern")->trigger();
        });
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(FileBytes(path), saved);
    }

    void textTheEditorCannotHoldIsReadOnly()
    {
        TestEnvironment env;
        const QByteArray original("eins\xE2\x80\xA9zwei\n");
        const QString path = env.writeFile(QStringLiteral("a.txt"), original);
        MsgBoxRecorder boxes;
        boxes.answer(MsgBox::ResultOk);
        runEditor(path, [](TEditorForm *form) {
            QVERIFY(form->isReadOnly());
            QVERIFY(!child<QAction>(form, "MainMenu_Datei_Speichern")->isEnabled());
            QVERIFY(!child<QAction>(form, "MainMenu_Datei_SpeichernUnter")->isEnabled());
            QVERIFY(!child<QToolButton>(form, "Button_Speichern")->isEnabled());
            QVERIFY(!form->SaveFile(form->fileName()));
            child<QAction>(form, "MainMenu_Datei_Neu")->trigger();
            QVERIFY(!form->isReadOnly());
        });
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Warnung: Datei nur zum Lesen geöffnet..."));
        QCOMPARE(FileBytes(path), original);
    }

    void fileChangedElsewhereIsReplacedOnlyWhenAsked_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("yes") << int(MsgBox::ResultYes) << QByteArray("Editor\n");
        QTest::newRow("no") << int(MsgBox::ResultNo) << QByteArray("anderes Programm\n");
    }

    void fileChangedElsewhereIsReplacedOnlyWhenAsked()
    {
        QFETCH(int, answer);
        QFETCH(QByteArray, after);
        TestEnvironment env;
        const QString path = env.writeFile(QStringLiteral("a.txt"), "alt\n");
        MsgBoxRecorder boxes;
        boxes.answer(answer);
        runEditor(path, [&path](TEditorForm *form) {
            form->editor()->setPlainText(QStringLiteral("Editor"));
            QVERIFY(WriteFileSafely(path, "anderes Programm\n"));
            child<QAction>(form, "MainMenu_Datei_Speichern")->trigger();
        });
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Warnung: Datei wurde geändert..."));
        QCOMPARE(boxes.last().buttons, MsgBox::Yes | MsgBox::No | MsgBox::Help);
        QCOMPARE(FileBytes(path), after);
    }

    void loadShowsLowerCaseNameAndSavesInPlace_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("plain") << QByteArray("Projekt.PRJ");
        QTest::newRow("Latin-1 name") << QByteArray("\xC4lter.PRJ");
    }

    void loadShowsLowerCaseNameAndSavesInPlace()
    {
        QFETCH(QByteArray, name);
        TestEnvironment env;
        const auto cleanUp = qScopeGuard([&env] { FileTree::removeRawTree(QFile::encodeName(env.root())); });
        const QByteArray raw = QFile::encodeName(env.root()) + '/' + name;
        QVERIFY(FileTree::writeRaw(raw, QByteArray("Gr\xF6\xDF"
                                                   "e\r\n")));
        const QString path = NativeNames::decode(raw);
        MsgBoxRecorder boxes;
        runEditor(path, [&path](TEditorForm *form) {
            QCOMPARE(form->windowTitle(), QStringLiteral("Editor - ") + NativeNames::forDisplay(path).toLower());
            QCOMPARE(form->editor()->toPlainText(), QStringLiteral("Größe"));
            QVERIFY(!child<QAction>(form, "MainMenu_Bearbeiten_Zeilenumbruch")->isChecked());
            QCOMPARE(form->editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
            form->editor()->appendPlainText(QStringLiteral("Äpfel"));
            child<QAction>(form, "MainMenu_Datei_Speichern")->trigger();
        });
        QCOMPARE(boxes.count(), 0);
        QFile saved;
        QVERIFY(FileSystem::openRegularFile(saved, path));
        QCOMPARE(saved.readAll(), QByteArray("Gr\xF6\xDF"
                                             "e\r\n\xC4pfel\r\n"));
    }

    void newTextSaveAsksForName()
    {
        TestEnvironment env;
        const QString target = env.path(QStringLiteral("neu.txt"));
        QString answer;
        QList<FileChooser::Request> requests;
        FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
            requests.append(request);
            return answer;
        });
        runEditor(QString(), [&](TEditorForm *form) {
            form->editor()->setPlainText(QStringLiteral("Text"));
            child<QAction>(form, "MainMenu_Datei_Speichern")->trigger();
            QVERIFY(!QFile::exists(target));
            QCOMPARE(form->editor()->toPlainText(), QStringLiteral("Text"));
            answer = target;
            child<QAction>(form, "MainMenu_Datei_Speichern")->trigger();
            QCOMPARE(form->fileName(), target);
            QCOMPARE(form->windowTitle(), QStringLiteral("Editor - ") + target.toLower());
            child<QAction>(form, "MainMenu_Datei_Neu")->trigger();
            QCOMPARE(form->windowTitle(), QStringLiteral("Editor"));
            QVERIFY(form->fileName().isEmpty());
        });
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.first().caption, QStringLiteral("Speichern unter..."));
        QVERIFY(!requests.first().confirmOverwrite);
        QCOMPARE(FileBytes(target), QByteArray("Text\r\n"));
    }

    void failedSaveKeepsOldFileAndTells()
    {
        TestEnvironment env;
        const QString folder = env.makeFolder(QStringLiteral("ro"));
        env.writeFile(QStringLiteral("ro/a.txt"), QByteArray("alt\n"));
        const ScratchMount mount(folder);
        REQUIRE_MOUNT(mount);
        const QString path = mount.path(QStringLiteral("a.txt"));
        MsgBoxRecorder boxes;
        boxes.answer(MsgBox::ResultOk);
        runEditor(path, [&path](TEditorForm *form) {
            form->editor()->setPlainText(QStringLiteral("neu"));
            QVERIFY(!form->SaveFile(path));
        });
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Datei nicht gespeichert..."));
        QCOMPARE(FileBytes(path), QByteArray("alt\n"));
    }

    void wordWrapToggles()
    {
        TEditorForm form;
        QAction *wrap = child<QAction>(&form, "MainMenu_Bearbeiten_Zeilenumbruch");
        QCOMPARE(wrap->shortcut(), QKeySequence(Qt::Key_F12));
        wrap->trigger();
        QVERIFY(wrap->isChecked());
        QCOMPARE(form.editor()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        wrap->trigger();
        QCOMPARE(form.editor()->lineWrapMode(), QPlainTextEdit::NoWrap);
    }

    void popupFollowsSelectionAndClipboard_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("nothing") << false << QString();
        QTest::newRow("selection only") << true << QString();
        QTest::newRow("clipboard only") << false << QStringLiteral("x");
    }

    void popupFollowsSelectionAndClipboard()
    {
        QFETCH(bool, select);
        QFETCH(QString, clipboard);
        TEditorForm form;
        form.editor()->setPlainText(QStringLiteral("abc"));
        if (select)
            form.editor()->selectAll();
        QApplication::clipboard()->setText(clipboard);
        UpdateTextEditPopup(form.popupMenu(), form.editor());
        QCOMPARE(child<QAction>(form.popupMenu(), "PopupMenu_Ausschneiden")->isEnabled(), select);
        QCOMPARE(child<QAction>(form.popupMenu(), "PopupMenu_Kopieren")->isEnabled(), select);
        QCOMPARE(child<QAction>(form.popupMenu(), "PopupMenu_Loeschen")->isEnabled(), select);
        QCOMPARE(child<QAction>(form.popupMenu(), "PopupMenu_Einfuegen")->isEnabled(), !clipboard.isEmpty());
    }

    // A printout that does not fit leaves the old file as it was.
    void printsToPdfFile_data()
    {
        QTest::addColumn<bool>("full");
        QTest::newRow("room enough") << false;
        QTest::newRow("full medium") << true;
    }

    void printsToPdfFile()
    {
        QFETCH(bool, full);
        ScratchMount medium(256);
        REQUIRE_MOUNT(medium);
        const QString pdf = medium.path(QStringLiteral("text.pdf"));
        QVERIFY(WriteFileSafely(pdf, "alt"));
        if (full)
            medium.fill();
        FileChooser::ScopedHandler chooser([&pdf](const FileChooser::Request &request) {
            return request.kind == FileChooser::Kind::Printer ? pdf : QString();
        });
        MsgBoxRecorder boxes;
        if (full)
            boxes.answer(MsgBox::ResultOk);
        TEditorForm form;
        form.editor()->setPlainText(QString(20000, QLatin1Char('x')));
        child<QAction>(&form, "MainMenu_Datei_Drucken")->trigger();
        QCOMPARE(FileBytes(pdf).startsWith("%PDF"), !full);
        QCOMPARE(boxes.count(), full ? 1 : 0);
        if (full)
            QCOMPARE(FileBytes(pdf), QByteArray("alt"));
        QCOMPARE(QDir(medium.path()).entryList(QDir::Files), QStringList{QStringLiteral("text.pdf")});
    }
};

BREKKO_TEST_MAIN(TEditorFormTest)
#include "TEditorFormTest.moc"
