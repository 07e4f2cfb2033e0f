#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "RarTestArchives.h"

#include "TestRegistry.h"
#include "archive/ArchiveDialogParts.h"
#include "archive/rar/TUnrarForm.h"
#include "common/AppContext.h"
#include "common/Help.h"
#include "common/ModalSeam.h"
#include "components/SortGrid.h"

#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QString sample(const QString &name)
{
    return QStringLiteral(BREKKO_TEST_DATA) + QStringLiteral("/rar/") + name;
}

void listed(TUnrarForm &form, const QString &archive)
{
    form.setArchiveName(archive);
    form.FormActivate();
}

} // namespace

class TUnrarFormTest : public QObject {
    Q_OBJECT

private slots:
    void listsEntriesWithRatio();
    void missingArchiveTurnsRed();
    void extractsWithLogAndCreatesTarget();
    void encryptedEntriesAreReportedWithoutPasswordQuestion();
    void testVerdicts_data();
    void testVerdicts();
    void helpOpensItsTopic();
    void cancelDuringExtractionReturnsToListing();
    void extractionLogKeepsNewestFirst();
};

void TUnrarFormTest::listsEntriesWithRatio()
{
    TUnrarForm form;
    listed(form, sample("test_read_format_rar5_compressed.rar"));
    auto *grid = child<SortGrid>(&form, "SortGrid");
    QCOMPARE(grid->rowCount(), 1);
    QCOMPARE(grid->horizontalHeaderItem(3)->text(), QStringLiteral("Grad"));
    QCOMPARE(grid->cellText(0, 1), QStringLiteral("1.200"));
    QCOMPARE(grid->cellText(0, 3), QStringLiteral("30%"));
    QVERIFY(child<QPushButton>(&form, "Button_Entpacken")->isEnabled());

    TUnrarForm empty;
    listed(empty, sample("test_read_format_rar.rar"));
    auto *rows = child<SortGrid>(&empty, "SortGrid");
    for (int row = 0; row < rows->rowCount(); ++row) {
        if (rows->cellText(row, 0) == QLatin1String("testemptydir"))
            QCOMPARE(rows->cellText(row, 3), QStringLiteral("0%"));
    }
}

void TUnrarFormTest::missingArchiveTurnsRed()
{
    TUnrarForm form;
    listed(form, QStringLiteral("/nowhere/none.rar"));
    QCOMPARE(child<QLabel>(&form, "Label_RarFile")->text(), QStringLiteral("Fehler: Datei nicht gefunden..."));
    QVERIFY(!child<QPushButton>(&form, "Button_Testen")->isEnabled());
    QCOMPARE(child<SortGrid>(&form, "SortGrid")->rowCount(), 0);
}

void TUnrarFormTest::extractsWithLogAndCreatesTarget()
{
    QTemporaryDir dir;
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultYes);
    TUnrarForm form;
    form.show();
    listed(form, sample("test_read_format_rar5_multiple_files.rar"));
    const QString target = dir.filePath(QStringLiteral("neu/ziel"));
    child<QLineEdit>(&form, "Edit_ZielDir")->setText(target);
    child<QPushButton>(&form, "Button_Entpacken")->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Zielverzeichnis erstellen ?"));
    QCOMPARE(boxes.last().text, QStringLiteral("Das angegebene Zielverzeichnis\r\"") + target
                                    + QStringLiteral("\"\rexistiert nicht.\rSoll es erstellt werden ?"));
    const QStringList log = child<QPlainTextEdit>(&form, "RichEdit")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(log.first(), QStringLiteral("Datei: test4.bin -> OK"));
    QCOMPARE(log.last(), QStringLiteral("Datei: test1.bin -> OK"));
    QCOMPARE(child<QLabel>(&form, "Label_Ergebnis")->text(), QStringLiteral("Entpacken abgeschloßen..."));
    QVERIFY(child<QWidget>(&form, "Panel_Step3")->isVisible());
    QCOMPARE(QFileInfo(target + QStringLiteral("/test3.bin")).size(), 4096);
    child<QPushButton>(&form, "Button_Ready")->click();
    QCOMPARE(form.windowTitle(), QStringLiteral("Unrar"));
    QVERIFY(child<QWidget>(&form, "Panel_Step2")->isHidden());

    // A stop requested after the last entry does not end the next run.
    form.rar().Stop = true;
    child<QPushButton>(&form, "Button_Testen")->click();
    QCOMPARE(child<QPlainTextEdit>(&form, "RichEdit")->toPlainText().count(QStringLiteral("-> OK")), 4);
    QCOMPARE(child<QLabel>(&form, "Label_Ergebnis")->text(), QStringLiteral("Archiv ist Okay..."));
    QVERIFY(!child<QPushButton>(&form, "Button_CancelOperation")->isEnabled());
}

// RAR data cannot be decrypted here: nobody is asked for a password.
void TUnrarFormTest::encryptedEntriesAreReportedWithoutPasswordQuestion()
{
    MsgBoxRecorder boxes;
    int asked = 0;
    ModalSeam::ScopedHandler modal([&](QDialog *) {
        ++asked;
        return int(QDialog::Rejected);
    });
    TUnrarForm form;
    form.show();
    listed(form, sample("test_read_format_rar4_encrypted.rar"));
    child<QPushButton>(&form, "Button_Testen")->click();
    QCOMPARE(asked, 0);
    QCOMPARE(child<QLabel>(&form, "Label_Ergebnis")->text(),
             QStringLiteral("Archiv ist fehlerhaft und kann womöglich nicht entpackt werden."));
    const QString log = child<QPlainTextEdit>(&form, "RichEdit")->toPlainText();
    for (const char *name : {"b.txt", "d.txt"})
        QVERIFY(log.contains(QStringLiteral("Datei: %1 -> Fehler !!! (verschlüsselte RAR-Daten können nicht entpackt "
                                            "werden)")
                                 .arg(QLatin1String(name))));
    QCOMPARE(boxes.count(), 0);
}

void TUnrarFormTest::testVerdicts_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QString>("result");
    // The message boxes of listing and testing.
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("logLine");

    const QString okay = QStringLiteral("Archiv ist Okay...");
    const QString damaged = QStringLiteral("Archiv ist fehlerhaft und kann womöglich nicht entpackt werden.");
    const QString encrypted = QStringLiteral("verschlüsselte RAR-Daten können nicht entpackt werden");
    QTest::newRow("folders and empty files") << "folders" << okay << QStringList() << "Datei: dir -> OK";
    QTest::newRow("complete volume set") << "rar5 split" << okay << QStringList() << "Datei: gross.txt -> OK";
    QTest::newRow("cut") << "rar5 cut" << damaged
                         << QStringList{"CRC fehler, Daten beschädigt", "CRC fehler, Daten beschädigt"}
                         << "CRC fehler, Daten beschädigt";
    QTest::newRow("encrypted headers") << "rar5 encrypted headers" << damaged << QStringList{encrypted, encrypted}
                                       << encrypted;
    QTest::newRow("named pipe") << "pipe" << damaged << QStringList{"Datei öffnen fehler", "Datei öffnen fehler"}
                                << "Datei öffnen fehler";
}

void TUnrarFormTest::testVerdicts()
{
    QFETCH(QString, archive);
    QFETCH(QString, result);
    QFETCH(QStringList, boxes);
    QFETCH(QString, logLine);
    QTemporaryDir dir;
    QString path = dir.filePath(archive);
    if (archive == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        path = writeRarArchive(archive, dir.path());
    MsgBoxRecorder recorder;
    recorder.setAnswerOkBoxes(true);
    TUnrarForm form;
    form.show();
    listed(form, path);
    child<QPushButton>(&form, "Button_Testen")->click();
    QCOMPARE(child<QLabel>(&form, "Label_Ergebnis")->text(), result);
    QStringList texts;
    for (const MsgBox::Request &box : recorder.boxes())
        texts.append(box.text);
    QCOMPARE(texts, boxes);
    QVERIFY(child<QPlainTextEdit>(&form, "RichEdit")->toPlainText().split(QLatin1Char('\n')).contains(logLine));
}

void TUnrarFormTest::helpOpensItsTopic()
{
    QTemporaryDir dir;
    AppContext::setHelpFileName(dir.filePath(QStringLiteral("Brekko.hlp")));
    QList<int> contexts;
    const Help::Handler previous = Help::setHandler([&](int context) { contexts.append(context); });
    TUnrarForm form;
    child<QPushButton>(&form, "Button_Hilfe")->click();
    Help::setHandler(previous);
    AppContext::setHelpFileName(QString());
    QCOMPARE(contexts, QList<int>{50900});
}

void TUnrarFormTest::cancelDuringExtractionReturnsToListing()
{
    QTemporaryDir dir;
    MsgBoxRecorder boxes;
    TUnrarForm form;
    form.show();
    listed(form, sample("test_read_format_rar5_multiple_files.rar"));
    child<QLineEdit>(&form, "Edit_ZielDir")->setText(dir.path());
    const auto starting = form.rar().OnExtracting;
    form.rar().OnExtracting = [&](TRAR *sender, const RarEntry &entry) {
        starting(sender, entry);
        if (entry.fileName == QLatin1String("test2.bin"))
            child<QPushButton>(&form, "Button_CancelOperation")->click();
    };
    child<QPushButton>(&form, "Button_Entpacken")->click();
    QCOMPARE(form.windowTitle(), QStringLiteral("Unrar"));
    QVERIFY(child<QWidget>(&form, "Panel_Step2")->isHidden());
    QVERIFY(child<QWidget>(&form, "SortGrid")->isVisible());
    QVERIFY(!form.rar().Stop);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("test1.bin")});
    QCOMPARE(boxes.count(), 0);
}

// Lines go into the view in batches; a line's ending may come before or
// after its batch went in.
void TUnrarFormTest::extractionLogKeepsNewestFirst()
{
    QWidget parent;
    ExtractionLog log(&parent);
    log.prepend(QStringLiteral("Datei: a"));
    log.flush();
    log.appendToNewest(QStringLiteral(" -> OK"));
    log.prepend(QStringLiteral("Datei: b"));
    log.prepend(QStringLiteral("Datei: c"));
    log.appendToNewest(QStringLiteral(" -> Fehler !!!"));
    QCOMPARE(log.view()->toPlainText(), QStringLiteral("Datei: a -> OK"));
    log.flush();
    QCOMPARE(log.view()->toPlainText(), QStringLiteral("Datei: c -> Fehler !!!\nDatei: b\nDatei: a -> OK"));
    log.clear();
    log.prepend(QStringLiteral("Datei: d"));
    log.flush();
    QCOMPARE(log.view()->toPlainText(), QStringLiteral("Datei: d"));
}

BREKKO_TEST_MAIN(TUnrarFormTest)
#include "TUnrarFormTest.moc"
