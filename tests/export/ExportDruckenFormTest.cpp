#include "FileBytes.h"
#include "FindChild.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "ScratchMount.h"
#include "TestRegistry.h"
#include "common/ModalSeam.h"
#include "common/OperationObserver.h"
#include "export/print/PrintSubForms.h"
#include "export/print/TExportDruckenForm.h"
#include "export/print/TPagePrinter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDialog>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Lines that tell which fields were asked for.
PrintTextSource numberedSource(int count)
{
    return [count](const PrintFields &fields) {
        QStringList lines;
        for (int i = 0; i < count; ++i)
            lines << QStringLiteral("Zeile %1 %2%3%4").arg(i).arg(fields.title).arg(fields.comment).arg(fields.command);
        return lines;
    };
}

QString edit(QWidget *form, const char *name)
{
    return child<QLineEdit>(form, name)->text();
}

void triggerMenu(QWidget *form, const QString &text)
{
    menuItem(child<QMenu>(form, "PopupMenu"), text)->trigger();
}

} // namespace

class ExportDruckenFormTest : public QObject {
    Q_OBJECT

private slots:
    void zoomBox_data();
    void zoomBox();
    void popupZoomStopsAtZeroAndPaintsExtremes();
    void formatsSetMargins();
    void toPageFollowsEveryRelayout();
    void currentPageStaysInRange();
    void fieldClickDiscardsEditedText();
    void headerAndFrameReachThePrinter();
    void printToFile();
    void printToReadOnlyFolderFails();
    void existingFileIsReplacedOnlyByACompletePrint_data();
    void existingFileIsReplacedOnlyByACompletePrint();
    void backwardsRangeIsRefused();
    void fontDialogStartsOnThePrintFont();
    void linesChangedWhileLayingOutWin();
};

void ExportDruckenFormTest::zoomBox_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("zoom");
    QTest::newRow("without percent sign") << "150" << 150;
    QTest::newRow("with percent sign") << "75%" << 75;
    QTest::newRow("blanks around") << " 200% " << 200;
    QTest::newRow("not a number") << "gross" << 25;
    QTest::newRow("empty") << "" << 25;
    QTest::newRow("below zero") << "-20" << 0;
}

void ExportDruckenFormTest::zoomBox()
{
    QFETCH(QString, typed);
    QFETCH(int, zoom);
    TExportDruckenForm form(numberedSource(10), Settings());
    form.show();
    auto *box = child<QComboBox>(&form, "ComboBox_Zoom");
    box->setEditText(typed);
    form.ComboBox_Zoom_OnChange();
    QCOMPARE(form.pagePrinter()->zoom(), zoom);
    QCOMPARE(box->currentText(), QString::number(zoom) + QLatin1Char('%'));
}

void ExportDruckenFormTest::popupZoomStopsAtZeroAndPaintsExtremes()
{
    TExportDruckenForm form(numberedSource(100), Settings());
    form.show();
    auto *box = child<QComboBox>(&form, "ComboBox_Zoom");
    form.pagePrinter()->setZoom(10);
    triggerMenu(&form, QStringLiteral("Zoom um 25% ver&kleinern"));
    QCOMPARE(box->currentText(), QStringLiteral("0%"));
    QVERIFY(!form.pagePrinter()->grab().isNull());
    triggerMenu(&form, QStringLiteral("Zoom um 25% ver&größern"));
    QCOMPARE(box->currentText(), QStringLiteral("25%"));
    triggerMenu(&form, QStringLiteral("Zoom&ansicht 1:1"));
    QCOMPARE(box->currentText(), QStringLiteral("100%"));
    form.pagePrinter()->setZoom(999);
    QVERIFY(!form.pagePrinter()->grab(QRect(0, 0, 400, 400)).isNull());
}

void ExportDruckenFormTest::formatsSetMargins()
{
    Settings settings;
    settings.customPageWidth = 100;
    settings.customPageHeight = 50;
    TExportDruckenForm form(numberedSource(10), settings);
    form.show();
    QCOMPARE(form.pagePrinter()->pageWidth(), 210.0);
    auto *format = child<QComboBox>(&form, "ComboBox_Format");
    child<QLineEdit>(&form, "MaskEdit_Links")->setText(QStringLiteral("30"));
    const struct {
        const char *name;
        const char *right;
        const char *bottom;
    } expected[] = {{"Zip-Medium", "145", "254"},
                    {"CD-Rom", "96", "187"},
                    {"Benutzerdefiniert", "117", "257"},
                    {"Komplette Seite", "7", "10"}};
    for (const auto &item : expected) {
        format->setCurrentText(QString::fromUtf8(item.name));
        QCOMPARE(edit(&form, "MaskEdit_Links"), QStringLiteral("7"));
        QCOMPARE(edit(&form, "MaskEdit_Oben"), QStringLiteral("10"));
        QCOMPARE(edit(&form, "MaskEdit_Rechts"), QString::fromLatin1(item.right));
        QCOMPARE(edit(&form, "MaskEdit_Unten"), QString::fromLatin1(item.bottom));
        QCOMPARE(form.pagePrinter()->marginRight(), QString::fromLatin1(item.right).toDouble());
    }
}

void ExportDruckenFormTest::toPageFollowsEveryRelayout()
{
    TExportDruckenForm form(numberedSource(300), Settings());
    form.show();
    TPagePrinter *printer = form.pagePrinter();
    const int pages = printer->pageCount();
    QVERIFY(pages >= 2);
    QCOMPARE(edit(&form, "MaskEdit_Bis"), QString::number(pages));
    QCOMPARE(child<QLabel>(&form, "Label_Seitenanzahl")->text(), QString::number(pages));

    child<QLineEdit>(&form, "MaskEdit_Von")->setText(QStringLiteral("2"));
    child<QLineEdit>(&form, "MaskEdit_Bis")->setText(QStringLiteral("2"));
    child<QComboBox>(&form, "ComboBox_Format")->setCurrentText(QStringLiteral("Zip-Medium"));
    QVERIFY(printer->pageCount() > pages);
    QCOMPARE(edit(&form, "MaskEdit_Von"), QStringLiteral("1"));
    QCOMPARE(edit(&form, "MaskEdit_Bis"), QString::number(printer->pageCount()));
    QCOMPARE(printer->toolTip(), QStringLiteral("210 x 297 mm"));
}

void ExportDruckenFormTest::currentPageStaysInRange()
{
    TExportDruckenForm form(numberedSource(300), Settings());
    form.show();
    auto *page = child<QLineEdit>(&form, "MaskEdit_AktuelleSeite");
    page->setText(QStringLiteral("2"));
    QCOMPARE(form.pagePrinter()->currentPage(), 2);
    page->setText(QStringLiteral("999"));
    QCOMPARE(page->text(), QStringLiteral("2"));
    page->setText(QStringLiteral("0"));
    QCOMPARE(page->text(), QStringLiteral("2"));
    QVERIFY(!form.pagePrinter()->setCurrentPage(999));
    QCOMPARE(form.pagePrinter()->lastError(),
             QStringLiteral("PageNumber must be between 1 and %1").arg(form.pagePrinter()->pageCount()));
}

void ExportDruckenFormTest::fieldClickDiscardsEditedText()
{
    TExportDruckenForm form(numberedSource(3), Settings());
    form.show();
    QCOMPARE(form.pagePrinter()->lines().first(), QStringLiteral("Zeile 0 100"));
    {
        ModalSeam::ScopedHandler seam([](QDialog *dialog) {
            child<QPlainTextEdit>(dialog, "Memo")->setPlainText(QStringLiteral("eigener\nText"));
            return int(QDialog::Accepted);
        });
        child<QPushButton>(&form, "Button_TextBearbeiten")->click();
    }
    QCOMPARE(form.pagePrinter()->lines(), (QStringList{"eigener", "Text"}));
    child<QCheckBox>(&form, "CheckBox_ZeilenUmbrechen")->click();
    QCOMPARE(form.pagePrinter()->lines(), (QStringList{"eigener", "Text"}));
    child<QCheckBox>(&form, "CheckBox_FeldKommentar")->click();
    QCOMPARE(form.pagePrinter()->lines().first(), QStringLiteral("Zeile 0 110"));
}

void ExportDruckenFormTest::headerAndFrameReachThePrinter()
{
    TExportDruckenForm form(numberedSource(3), Settings());
    form.show();
    ModalSeam::ScopedHandler seam([](QDialog *dialog) {
        if (auto *frame = qobject_cast<TExportDruckenSeitenrahmenForm *>(dialog)) {
            child<QCheckBox>(frame, "CheckBox_Left")->setChecked(true);
            child<QPushButton>(frame, "Button_Invertieren")->click();
            child<QLineEdit>(frame, "MaskEdit_Rahmendicke")->setText(QStringLiteral("4"));
        } else {
            child<QLineEdit>(dialog, "Edit_Kopfzeile")->setText(QStringLiteral("&cSeite &p"));
        }
        return int(QDialog::Accepted);
    });
    child<QPushButton>(&form, "Button_Seitenrahmen")->click();
    QCOMPARE(form.pagePrinter()->frameSides(), FrameRight | FrameTop | FrameBottom);
    QCOMPARE(form.pagePrinter()->frameDistance(), 4.0);
    child<QPushButton>(&form, "Button_KopfUndFusszeile")->click();
    QCOMPARE(form.pagePrinter()->header(), QStringLiteral("&cSeite &p"));
    QVERIFY(form.pagePrinter()->layout().geometry().bodyTop > 10.0 + 4.0);
}

void ExportDruckenFormTest::printToFile()
{
    TestEnvironment env;
    const QString pdf = env.path(QStringLiteral("druck.pdf"));
    TExportDruckenForm form(numberedSource(300), Settings());
    form.show();
    child<QCheckBox>(&form, "CheckBox_InDateiDrucken")->setChecked(true);
    bool startEnabledWhenEmpty = true;
    int answer = QDialog::Rejected;
    ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
        startEnabledWhenEmpty = child<QPushButton>(dialog, "Button_Starten")->isEnabled();
        child<QLineEdit>(dialog, "Edit_Dateiname")->setText(pdf);
        return answer;
    });
    child<QPushButton>(&form, "Button_StartPrint")->click();
    QVERIFY(!startEnabledWhenEmpty);
    QVERIFY(form.isVisible());
    QVERIFY(!QFile::exists(pdf));

    answer = QDialog::Accepted;
    child<QLineEdit>(&form, "MaskEdit_Bis")->setText(QStringLiteral("2"));
    child<QLineEdit>(&form, "MaskEdit_AnzahlKopien")->setText(QStringLiteral("2"));
    child<QPushButton>(&form, "Button_StartPrint")->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished();
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+4\\n")));
}

void ExportDruckenFormTest::printToReadOnlyFolderFails()
{
    TestEnvironment env;
    const QString folder = env.makeFolder(QStringLiteral("ro"));
    const ScratchMount readOnly(folder, folder);
    REQUIRE_MOUNT(readOnly);
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    TExportDruckenForm form(numberedSource(5), Settings());
    form.show();
    child<QCheckBox>(&form, "CheckBox_InDateiDrucken")->setChecked(true);
    {
        ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
            child<QLineEdit>(dialog, "Edit_Dateiname")->setText(folder + QStringLiteral("/x.pdf"));
            return int(QDialog::Accepted);
        });
        child<QPushButton>(&form, "Button_StartPrint")->click();
    }
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Drucken nicht möglich..."));
    QCOMPARE(boxes.last().helpContext, 80480);
    QVERIFY(form.isVisible());
    QCOMPARE(form.result(), 0);
}

// The user is asked before a file is replaced; declining or cancelling the
// print leaves it as it was, with no piece of the new file beside it.
void ExportDruckenFormTest::existingFileIsReplacedOnlyByACompletePrint_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("declined") << true << int(QMessageBox::No) << false << false;
    QTest::newRow("confirmed") << true << int(QMessageBox::Yes) << false << true;
    QTest::newRow("confirmed, then cancelled") << true << int(QMessageBox::Yes) << true << false;
    QTest::newRow("new name, cancelled") << false << int(QMessageBox::Yes) << true << false;
}

void ExportDruckenFormTest::existingFileIsReplacedOnlyByACompletePrint()
{
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(bool, cancel);
    QFETCH(bool, replaced);
    TestEnvironment env;
    const QByteArray old("%PDF alt");
    const QString pdf = env.writeFile(QStringLiteral("aus/druck.pdf"), old);
    if (!exists)
        QFile::remove(pdf);
    MsgBoxRecorder boxes;
    boxes.setAnswerOkBoxes(true);
    TExportDruckenForm form(numberedSource(300), Settings());
    form.show();
    child<QCheckBox>(&form, "CheckBox_InDateiDrucken")->setChecked(true);
    child<QLineEdit>(&form, "MaskEdit_AnzahlKopien")->setText(QStringLiteral("100"));
    QString question;
    ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            question = box->text();
            return answer;
        }
        child<QLineEdit>(dialog, "Edit_Dateiname")->setText(pdf);
        return int(QDialog::Accepted);
    });
    const EventPump::Runner previous = SetPendingEventsRunner([&] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (cancel && window->objectName() == QLatin1String("TPrintProgressForm"))
                child<QPushButton>(window, "Button_Abbrechen")->click();
        }
    });
    child<QPushButton>(&form, "Button_StartPrint")->click();
    SetPendingEventsRunner(previous);

    QCOMPARE(question.contains(QStringLiteral("druck.pdf")), exists);
    QCOMPARE(QFile::exists(pdf), exists || replaced);
    if (exists)
        QCOMPARE(FileBytes(pdf) != old, replaced);
    const QStringList left = exists || replaced ? QStringList{"druck.pdf"} : QStringList();
    QCOMPARE(QDir(env.path(QStringLiteral("aus"))).entryList(QDir::Files | QDir::Hidden), left);
    QCOMPARE(form.isVisible(), !replaced);
    if (cancel)
        QCOMPARE(boxes.last().text, QStringLiteral("Drucken abgebrochen"));
}

void ExportDruckenFormTest::backwardsRangeIsRefused()
{
    TestEnvironment env;
    const QString pdf = env.path(QStringLiteral("druck.pdf"));
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    TExportDruckenForm form(numberedSource(300), Settings());
    form.show();
    child<QCheckBox>(&form, "CheckBox_InDateiDrucken")->setChecked(true);
    child<QLineEdit>(&form, "MaskEdit_Von")->setText(QStringLiteral("3"));
    child<QLineEdit>(&form, "MaskEdit_Bis")->setText(QStringLiteral("2"));
    ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
        child<QLineEdit>(dialog, "Edit_Dateiname")->setText(pdf);
        return int(QDialog::Accepted);
    });
    child<QPushButton>(&form, "Button_StartPrint")->click();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Drucken nicht möglich..."));
    QVERIFY(form.isVisible());
    QVERIFY(!QFile::exists(pdf));
}

// The font dialog runs through the seam, opens on the installed family the
// print font resolves to, and OK without a change keeps the font.
void ExportDruckenFormTest::fontDialogStartsOnThePrintFont()
{
    TExportDruckenForm form(numberedSource(10), Settings());
    form.show();
    const QFont before = form.pagePrinter()->font();
    QString shown;
    ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
        if (auto *fonts = qobject_cast<QFontDialog *>(dialog))
            shown = fonts->currentFont().family();
        return int(QDialog::Accepted);
    });
    // A dialog outside the seam would wait for a person.
    QTimer::singleShot(3000, &form, [] {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *fonts = qobject_cast<QFontDialog *>(window))
                fonts->reject();
        }
    });
    child<QPushButton>(&form, "Button_Schriftart")->click();
    QCOMPARE(shown, QFontInfo(before).family());
    QCOMPARE(form.pagePrinter()->font(), before);
}

void ExportDruckenFormTest::linesChangedWhileLayingOutWin()
{
    TPagePrinter printer;
    int runs = 0;
    const EventPump::Runner previous = SetPendingEventsRunner([&] {
        if (++runs == 1)
            printer.setLines({QStringLiteral("neu")});
    });
    // Measured text (not Latin-1) keeps the layout busy long enough.
    printer.setLines(QStringList(50'000, QStringLiteral("alte Zeile →")));
    SetPendingEventsRunner(previous);
    QVERIFY(runs >= 1);
    QCOMPARE(printer.pageCount(), 1);
    QCOMPARE(printer.layout().rowsOfPage(1), QStringList{QStringLiteral("neu")});
}

BREKKO_TEST_MAIN(ExportDruckenFormTest)
#include "ExportDruckenFormTest.moc"
