#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/FileChooser.h"
#include "common/ModalSeam.h"
#include "components/ElidedLabel.h"
#include "project/Project.h"
#include "stats/StatisticsEntry.h"
#include "stats/StatisticsFigures.h"
#include "stats/TStatistikForm.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QScreen>
#include <QStackedWidget>
#include <QTest>

namespace {

struct Fixture {
    Project project;
    ProjectEntry *first = nullptr;
    ProjectEntry *child = nullptr;

    explicit Fixture(int topLevel)
    {
        for (int i = 0; i < topLevel; ++i)
            project.tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("Eintrag %1").arg(i)));
        first = project.tree.entryAt(0);
        child = project.tree.append(first, std::make_unique<ProjectEntry>(QStringLiteral("Kind")));
        child->imageIndex = 4;
        child->selectedImageIndex = 5;
    }
};

QString text(const TStatistikForm &form, const char *name)
{
    return form.value(name)->text();
}

bool panelShows(const TStatistikForm &form, const char *panel, const QString &message)
{
    auto *label = form.findChild<QLabel *>(QString::fromLatin1(panel));
    auto *stack = qobject_cast<QStackedWidget *>(label->parentWidget());
    return stack && stack->currentWidget() == label && label->text() == message;
}

// Shows the form and waits until it has filled its pages.
void showFilled(TStatistikForm &form)
{
    form.show();
    QTRY_COMPARE(form.windowTitle(), QStringLiteral("Projektstatistik"));
}

bool isRed(const QLabel *label)
{
    return label->styleSheet().contains(QStringLiteral("red"));
}

} // namespace

class StatistikFormTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::German)); }
    void withoutProjectFileTheOtherPagesAreFilled();
    void deletedProjectFileIsRed();
    void currentEntryFigures();
    void invalidActionNumberIsRed();
    void singleEntryAsksForSeveral();
    void savesTheFiguresAsText();
    void waitingCaptionShowsFirst();
    void longTextsStayOnScreen();
    void printingWithoutAPrinterIsReported();
};

void StatistikFormTest::withoutProjectFileTheOtherPagesAreFilled()
{
    Fixture fixture(1200);
    TStatistikForm form({&fixture.project, fixture.child, QString(), QStringLiteral("Katalog"), {}, QString()});
    QCOMPARE(form.windowTitle(), QStringLiteral("Statistik wird erstellt. Bitte warten..."));
    showFilled(form);
    QVERIFY(panelShows(form, "Panel_Projektdatei", QStringLiteral("Keine Projektdatei geladen...")));
    QCOMPARE(text(form, "Label_Dateiname"), QStringLiteral("?"));
    QCOMPARE(text(form, "Label_Titel"), QStringLiteral("Katalog"));
    QCOMPARE(text(form, "Label_PosGlobal"), QStringLiteral("1"));
    QCOMPARE(text(form, "Label_AnzahlEintraege"), QStringLiteral("1.201"));
    QVERIFY(form.allEntriesLines().contains(QStringLiteral("  Zeichenanzahl: 13294")));
}

void StatistikFormTest::deletedProjectFileIsRed()
{
    TestEnvironment env;
    QByteArray bytes("<Talvoren V4 Projektdatei>\r\n");
    for (int i = 0; i < 1500; ++i)
        bytes += "ITEM NEW\r\n";
    const QString file = env.writeFile(QStringLiteral("Groß.PRJ"), bytes);
    Fixture fixture(2);
    {
        TStatistikForm form({&fixture.project, nullptr, file, QString(), {}, QString()});
        showFilled(form);
        QCOMPARE(text(form, "Label_Dateiname"), file);
        QCOMPARE(text(form, "Label_Dateigroesse"),
                 QStringLiteral("%1 Byte").arg(QLocale(QLocale::German).toString(bytes.size())));
        QCOMPARE(text(form, "Label_Zeilenanzahl"), QStringLiteral("1.501"));
        QCOMPARE(text(form, "Label_DeklarierteEintraege"), QStringLiteral("1.500"));
        QVERIFY(!text(form, "Label_Aenderungszeit").contains(QRegularExpression(QStringLiteral("(^|[ .:])0\\d"))));
        QVERIFY(panelShows(form, "Panel_AktuellerEintrag", QStringLiteral("Kein Eintrag markiert...")));
    }
    QFile::remove(file);
    TStatistikForm form({&fixture.project, nullptr, file, QString(), {}, QString()});
    showFilled(form);
    const QString missing = QStringLiteral("Fehler: Projektdatei konnte nicht gefunden werden...");
    QVERIFY(panelShows(form, "Panel_Projektdatei", missing));
    QVERIFY(isRed(form.findChild<QLabel *>(QStringLiteral("Panel_Projektdatei"))));
}

void StatistikFormTest::currentEntryFigures()
{
    TestEnvironment env;
    AppContext::setProgramDirectory(env.programDirectory());
    Fixture fixture(3);
    fixture.child->record.action = 2;
    const QStringList comment{QStringLiteral("abcd"), QStringLiteral("ab"), QStringLiteral("abcdef"),
                              QStringLiteral("xy")};
    TStatistikForm form({&fixture.project, fixture.child, QString(), QString(), comment, QString()});
    showFilled(form);
    QCOMPARE(text(form, "Label_PosLevel"), QStringLiteral("1"));
    QCOMPARE(text(form, "Label_PosEbene"), QStringLiteral("1"));
    QCOMPARE(text(form, "Label_ImgStandard"), QStringLiteral("4"));
    QCOMPARE(text(form, "Label_ImgMarkiert"), QStringLiteral("5"));
    QCOMPARE(text(form, "Label_KomZeichenanzahl"), QStringLiteral("14"));
    QCOMPARE(text(form, "Label_KomKZ_Nr"), QStringLiteral("2"));
    QCOMPARE(text(form, "Label_KomLZ_Anzahl"), QStringLiteral("6"));
    QCOMPARE(text(form, "Label_BefNr"), QStringLiteral("2 - Dateimanager"));
    QCOMPARE(text(form, "Label_BefErgebnis"), QStringLiteral("Keine Befehlszeile angegeben..."));
    QVERIFY(isRed(form.value("Label_BefErgebnis")));
}

void StatistikFormTest::invalidActionNumberIsRed()
{
    Fixture fixture(2);
    fixture.child->record.action = 9;
    TStatistikForm form({&fixture.project, fixture.child, QString(), QString(), {QStringLiteral("eine")}, QString()});
    showFilled(form);
    QCOMPARE(text(form, "Label_BefNr"), QStringLiteral("Fehler: 9 ist keine gültige Befehlsnummer..."));
    QVERIFY(isRed(form.value("Label_BefNr")));
    QCOMPARE(text(form, "Label_KomKZ_Nr"), QStringLiteral("-"));
    QCOMPARE(text(form, "Label_KomLZ_Anzahl"), QStringLiteral("-"));
}

void StatistikFormTest::singleEntryAsksForSeveral()
{
    Project project;
    project.tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("allein")));
    TStatistikForm form({&project, nullptr, QString(), QString(), {}, QString()});
    showFilled(form);
    QCOMPARE(text(form, "Label_AnzahlEintraege"), QStringLiteral("1"));
    QVERIFY(panelShows(form, "Panel_AlleEintraege",
                       QStringLiteral("Um Statistiken erstellen zu können müssen mehrere Einträge vorhanden sein...")));
}

void StatistikFormTest::savesTheFiguresAsText()
{
    TestEnvironment env;
    AppContext::setProgramDirectory(env.programDirectory());
    Fixture fixture(3);
    TStatistikForm form({&fixture.project, nullptr, QString(), QString(), {}, QString()});
    showFilled(form);
    const QString target = env.path(QStringLiteral("out.txt"));
    FileChooser::Request asked;
    FileChooser::ScopedHandler chooser([&](const FileChooser::Request &request) {
        asked = request;
        return target;
    });
    form.RichEdit_Speichern_OnClick();
    QCOMPARE(asked.preselectedName, QStringLiteral("PrjStatistik.txt"));
    QCOMPARE(asked.caption, QStringLiteral("Speichern unter..."));
    QFile file(target);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY(saved.startsWith("Bezeichnung:\r\n  Zeichenanzahl: 31\r\n  Durchschnittliche Zeichenanzahl: 7,75\r\n"));

    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    FileChooser::ScopedHandler missingFolder(
        [&](const FileChooser::Request &) { return env.path(QStringLiteral("fehlt/out.txt")); });
    form.RichEdit_Speichern_OnClick();
    QCOMPARE(boxes.count(), 1);
    QVERIFY(boxes.last().caption.startsWith(QStringLiteral("Fehler: ")));
}

// The window shows its waiting caption before the figures fill it.
void StatistikFormTest::waitingCaptionShowsFirst()
{
    Fixture fixture(3);
    QString first, count;
    ModalSeam::ScopedHandler seam([&](QDialog *dialog) {
        first = dialog->windowTitle();
        count = dialog->findChild<QLabel *>(QStringLiteral("Label_AnzahlEintraege"))->text();
        [&] { QTRY_COMPARE(dialog->windowTitle(), QStringLiteral("Projektstatistik")); }();
        return int(QDialog::Accepted);
    });
    ShowStatistics(nullptr, fixture.project, fixture.child, QString(), {}, QString());
    QCOMPARE(first, QStringLiteral("Statistik wird erstellt. Bitte warten..."));
    QCOMPARE(count, QStringLiteral("?"));
}

void StatistikFormTest::longTextsStayOnScreen()
{
    Fixture fixture(2);
    const QString command = QStringLiteral("/opt/programm ") + QString(300, QLatin1Char('x'));
    TStatistikForm form({&fixture.project, fixture.child, QString(), QString(), {}, command});
    showFilled(form);
    QVERIFY2(form.frameGeometry().width() <= form.screen()->availableGeometry().width(),
             qPrintable(QString::number(form.frameGeometry().width())));
    auto *label = qobject_cast<ElidedLabel *>(form.value("Label_BefStr"));
    QVERIFY(label);
    QCOMPARE(label->text(), command);
    QVERIFY(label->shownText().contains(QChar(0x2026)));
    QVERIFY(label->shownText().startsWith(QStringLiteral("/opt/")));
}

void StatistikFormTest::printingWithoutAPrinterIsReported()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("a printer is installed here; nothing is printed on it");
    Fixture fixture(3);
    TStatistikForm form({&fixture.project, nullptr, QString(), QString(), {}, QString()});
    showFilled(form);
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    form.RichEdit_Ausdrucken_OnClick();
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Drucken nicht möglich..."));
    QCOMPARE(boxes.last().helpContext, 80480);
}

BREKKO_TEST_MAIN(StatistikFormTest)
#include "StatistikFormTest.moc"
