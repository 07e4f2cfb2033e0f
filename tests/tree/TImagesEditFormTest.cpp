#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TreeText.h"

#include "TestRegistry.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "project/Project.h"
#include "tree/TImagesEditForm.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QString writeBitmap(const TestEnvironment &env, const QString &name, int shade, int width = 16)
{
    QImage image(width, 16, QImage::Format_RGB32);
    image.fill(qRgb(shade, shade, shade));
    const QString path = env.path(name);
    image.save(path, "BMP");
    return path;
}

struct Buttons {
    bool up, down, add, remove;
};

Buttons buttonsOf(QWidget *form)
{
    return {child(form, "ButtonOben")->isEnabled(), child(form, "ButtonUnten")->isEnabled(),
            child(form, "ButtonHinzufuegen")->isEnabled(), child(form, "ButtonEntfernen")->isEnabled()};
}

} // namespace

class TImagesEditFormTest : public QObject {
    Q_OBJECT

private slots:
    void selectingLines()
    {
        TestEnvironment env;
        Project project;
        project.images.addBitmapFile(writeBitmap(env, QStringLiteral("eins.bmp"), 10));
        project.imageFiles << env.path(QStringLiteral("eins.bmp"));
        project.images.addBitmapFile(writeBitmap(env, QStringLiteral("zwei.bmp"), 20));
        TImagesEditForm form(project, {});
        auto *list = form.findChild<QListWidget *>(QStringLiteral("ImageListBox"));
        auto *label = form.findChild<QLabel *>(QStringLiteral("ImageFileLabel"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Imageliste bearbeiten"));
        QCOMPARE(list->count(), 22);
        QCOMPARE(list->item(21)->text(), QStringLiteral("22"));
        QCOMPARE(label->text(), QStringLiteral("22 Bilder"));

        list->setCurrentRow(19);
        QCOMPARE(label->text(), QStringLiteral("Internes Image: 20"));
        QCOMPARE(label->toolTip(), QStringLiteral("Das aktuell markierte Bild ist ein internes Images"));
        Buttons state = buttonsOf(&form);
        QVERIFY(!state.up && !state.down && state.add && !state.remove);

        list->setCurrentRow(20);
        QCOMPARE(label->text(), QStringLiteral("eins.bmp"));
        QCOMPARE(label->toolTip(), env.path(QStringLiteral("eins.bmp")));
        state = buttonsOf(&form);
        QVERIFY(!state.up && state.down && state.add && state.remove);
        QVERIFY(!form.findChild<QLabel *>(QStringLiteral("ImageVorschau"))->pixmap().isNull());

        list->setCurrentRow(21);
        QCOMPARE(label->text(), QStringLiteral("Fehler: Unbekanntes Bild..."));
        state = buttonsOf(&form);
        QVERIFY(state.up && !state.down && state.remove);

        list->clearSelection();
        QCOMPARE(label->text(), QStringLiteral("Kein Bild markiert..."));
        QCOMPARE(label->toolTip(), QStringLiteral("Es wurde kein Bild ausgewählt."));
        state = buttonsOf(&form);
        QVERIFY(!state.up && !state.down && !state.add && !state.remove);
    }

    void addMoveRemoveAndClose()
    {
        TestEnvironment env;
        Project project;
        project.fileName = env.path(QStringLiteral("prj/test.prj"));
        const QString blue = writeBitmap(env, QStringLiteral("blau.bmp"), 40);
        project.images.addBitmapFile(blue);
        project.imageFiles << blue;
        TreeText::build(project.tree, QStringLiteral("A|B"));
        project.tree.entryAt(0)->imageIndex = 20;
        project.tree.entryAt(1)->imageIndex = 5;
        project.tree.entryAt(1)->selectedImageIndex = 20;
        QStringList asked;
        QStringList answers{writeBitmap(env, QStringLiteral("rot.bmp"), 50),
                            writeBitmap(env, QStringLiteral("gruen.BMP"), 60, 48)};
        FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
            asked << request.caption + QLatin1Char('|') + request.startFolder + QLatin1Char('|') + request.filter;
            return answers.takeFirst();
        });
        int changes = 0;
        MsgBoxRecorder recorder;
        ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
            auto *list = dialog->findChild<QListWidget *>(QStringLiteral("ImageListBox"));
            list->setCurrentRow(0);
            child(dialog, "ButtonHinzufuegen")->click();
            child(dialog, "ButtonHinzufuegen")->click();
            if (list->count() != 23 || list->currentRow() != 22)
                return -1;
            list->setCurrentRow(20);
            child(dialog, "ButtonUnten")->click();
            if (list->currentRow() != 21)
                return -2;
            // The tree sees the new order while the dialog is open.
            if (qRed(project.images.image(20).pixel(0, 0)) != 50)
                return -3;
            list->setCurrentRow(22);
            recorder.answer(MsgBox::ResultNo);
            child(dialog, "ButtonEntfernen")->click();
            if (list->count() != 23)
                return -4;
            child(dialog, "Button_Schliessen")->click();
            return dialog->result();
        });
        QVERIFY(EditImageList(project, nullptr, [&changes] { ++changes; }));
        QCOMPARE(changes, 4); // two adds, one move, the renumbering
        QCOMPARE(asked.first(), QStringLiteral("Bitmap-Datei wählen...|") + env.path(QStringLiteral("prj"))
                                    + QStringLiteral("|Bitmap-Dateien [*.bmp]|*.bmp|Alle Dateien [*.*]|*.*"));
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.last().caption, QStringLiteral("Image wirklich entfernen ?"));
        QCOMPARE(
            recorder.last().text,
            QStringLiteral("Wollen Sie das externe Image mit der Nummer 23\rwirklich aus der Imageliste entfernen ?"));
        QCOMPARE(recorder.last().helpContext, 80160);
        QCOMPARE(project.imageFiles,
                 (QStringList{env.path(QStringLiteral("rot.bmp")), blue, env.path(QStringLiteral("gruen.BMP"))}));
        // Each entry still shows its picture.
        QCOMPARE(project.tree.entryAt(0)->imageIndex, 21);
        QCOMPARE(project.tree.entryAt(1)->imageIndex, 5);
        QCOMPARE(project.tree.entryAt(1)->selectedImageIndex, 21);
    }

    void removingKeepsThePosition()
    {
        TestEnvironment env;
        Project project;
        for (int shade : {10, 20, 30}) {
            const QString file = writeBitmap(env, QStringLiteral("b%1.bmp").arg(shade), shade);
            project.images.addBitmapFile(file);
            project.imageFiles << file;
        }
        TImagesEditForm form(project, {});
        auto *list = form.findChild<QListWidget *>(QStringLiteral("ImageListBox"));
        MsgBoxRecorder recorder;
        recorder.answer(MsgBox::ResultYes);
        list->setCurrentRow(21);
        child(&form, "ButtonEntfernen")->click();
        QCOMPARE(list->count(), 22);
        QCOMPARE(list->currentRow(), 21);
        QCOMPARE(form.findChild<QLabel *>(QStringLiteral("ImageFileLabel"))->text(), QStringLiteral("b30.bmp"));
        recorder.answer(MsgBox::ResultYes);
        child(&form, "ButtonEntfernen")->click();
        QCOMPARE(list->currentRow(), 20);
        QCOMPARE(project.imageFiles, QStringList{env.path(QStringLiteral("b10.bmp"))});
        QVERIFY(form.changed());
    }

    void refusedFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("helpContext");
        QTest::newRow("png") << "bild.png"
                             << "Fehler: Keine Bitmap-Datei gewählt..." << 80140;
        QTest::newRow("broken bmp") << "Kaputt.bmp"
                                    << "Fehler: Konnte Bitmap-Datei nicht laden..." << 80150;
    }

    void refusedFiles()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(int, helpContext);
        TestEnvironment env;
        const QString file = env.writeFile(name, "kein Bild");
        Project project;
        TImagesEditForm form(project, {});
        FileChooser::ScopedHandler chooser([&](const FileChooser::Request &) { return file; });
        MsgBoxRecorder recorder;
        recorder.answer(MsgBox::ResultOk);
        form.findChild<QListWidget *>(QStringLiteral("ImageListBox"))->setCurrentRow(0);
        child(&form, "ButtonHinzufuegen")->click();
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.last().caption, caption);
        QCOMPARE(recorder.last().helpContext, helpContext);
        QVERIFY(recorder.last().text.contains(QLatin1Char('"') + file + QLatin1Char('"')));
        QCOMPARE(project.images.count(), ImageList::kBuiltinCount);
        QVERIFY(!form.changed());
    }
};

BREKKO_TEST_MAIN(TImagesEditFormTest)
#include "TImagesEditFormTest.moc"
