#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/CommandLinePaths.h"
#include "project/ProjectEntry.h"
#include "tree/CommentFileAppend.h"
#include "tree/ItemEditFindings.h"

#include <QTest>

class ItemEditFindingsTest : public QObject {
    Q_OBJECT

private slots:
    void commandFindings_data();
    void commandFindings();
    void reportLayout();
    void imageFindingsAndStoredImages();
    void appendTextFile_data();
    void appendTextFile();
    void tooLargeReportCountsLines();
};

// The line as the dialog would store it and what it finds about it, with the
// project on a drive of its own.
void ItemEditFindingsTest::commandFindings_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("finding");

    QTest::newRow("file on the project drive, executed") << "@/tools/X.sh" << int(ActionExecute) << "\\tools\\X.sh"
                                                         << "";
    QTest::newRow("file without action") << "@/tools/X.sh" << int(ActionNone) << "\\tools\\X.sh"
                                         << "Datei jedoch keine Aktion gewählt.";
    QTest::newRow("file on another drive") << "%/other/y.sh" << int(ActionExecute) << "%/other/y.sh"
                                           << "Angabe nicht verkürzt, wegen Datenträgerabhängigkeit.";
    QTest::newRow("two characters") << " ab " << int(ActionExecute) << "ab"
                                    << "Angegebene Befehlszeile besitzt weniger als 3 Zeichen.";
    QTest::newRow("macro file") << "@/m/start.mkr" << int(ActionMacro) << "\\m\\start.mkr"
                                << "";
    QTest::newRow("not a macro file") << "@/tools/X.sh" << int(ActionMacro) << "\\tools\\X.sh"
                                      << "Keine gültige Brekko-Makrodatei angegeben.";
    QTest::newRow("folder without action") << "@/tools" << int(ActionNone) << "\\tools"
                                           << "Verzeichnis jedoch keine Aktion gewählt.";
    QTest::newRow("folder for the file manager") << "@/tools" << int(ActionFileManager) << "\\tools"
                                                 << "";
    QTest::newRow("folder for unrar") << "@/tools" << int(ActionUnrar) << "\\tools"
                                      << "Verzeichnis kann nicht mittels Unrar entpackt werden.";
    QTest::newRow("folder for unzip") << "@/tools" << int(ActionUnzip) << "\\tools"
                                      << "Verzeichnis kann nicht mittels Unzip entpackt werden.";
    QTest::newRow("folder for a macro") << "@/tools" << int(ActionMacro) << "\\tools"
                                        << "Verzeichnis angegeben und keine Brekko-Makrodatei.";
    QTest::newRow("words: paths on the drive shortened")
        << "@/tools/X.sh  -v %/other/y.sh" << int(ActionNone) << "\\tools\\X.sh -v %/other/y.sh"
        << "";
}

void ItemEditFindingsTest::commandFindings()
{
    QFETCH(QString, line);
    QFETCH(int, action);
    QFETCH(QString, stored);
    QFETCH(QString, finding);
    TestEnvironment env;
    const QString drive = env.addVolume(QStringLiteral("stick"));
    env.writeFile(QStringLiteral("stick/tools/X.sh"), "#!/bin/sh\n");
    env.writeFile(QStringLiteral("stick/m/start.mkr"), "; start\n  <TALVOREN V4 MAKRODATEI>  \n");
    env.writeFile(QStringLiteral("other/y.sh"), "#!/bin/sh\n");
    AppContext::setProjectFileName(drive + QStringLiteral("/catalogue.prj"));
    const auto here = [&](QString text) {
        return text.replace(QLatin1Char('@'), drive).replace(QLatin1Char('%'), env.root());
    };

    QString shortened = here(line);
    const int code = ShortenCommandLine(drive, shortened);
    QCOMPARE(shortened, here(stored));
    const QString file = shortened.startsWith(QLatin1Char('\\'))
                             ? drive + QString(shortened).replace(QLatin1Char('\\'), QLatin1Char('/'))
                             : shortened;
    QCOMPARE(CommandFinding(code, action, file), finding);
}

void ItemEditFindingsTest::reportLayout()
{
    ItemEditFindings findings;
    QVERIFY(!findings.any());
    findings.command = CommandFinding(ShortenTooShort, ActionNone, QString());
    QVERIFY(findings.any());
    QCOMPARE(findings.report(), QStringLiteral("Folgende Fehler und/oder Ungereimtheiten wurden festgestellt:\r"
                                               "- Baumtitel: ...Angabe korrekt...\r"
                                               "- Baumimage: ...Angabe korrekt...\r"
                                               "- Kommentar: ...Angabe korrekt...\r"
                                               "- Befehl:    Angegebene Befehlszeile besitzt weniger als 3 "
                                               "Zeichen.\r"
                                               "Änderungen trotzdem übernehmen ?"));

    findings.title = TitleFinding(QString());
    QVERIFY(findings.report().contains(QStringLiteral("- Baumtitel: \rEs wurde kein Text angegeben.\r")));
    QVERIFY(TitleFinding(QStringLiteral("x")).isEmpty());

    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultNo);
    QVERIFY(!AskApplyDespiteFindings(findings));
    QCOMPARE(boxes.last().caption, QStringLiteral("Änderungen wirklich übernehmen ?"));
    QCOMPARE(boxes.last().text, findings.report());
    QCOMPARE(boxes.last().icon, int(MsgBox::Question));
    QCOMPARE(boxes.last().helpContext, 80190);
}

void ItemEditFindingsTest::imageFindingsAndStoredImages()
{
    const QString invalid = QStringLiteral("Ungültiges Image für Baumtitel festgelegt.");
    QCOMPARE(ImageFinding(true, 5, 20, 20), invalid);
    QCOMPARE(ImageFinding(true, -1, 3, 20), invalid);
    QCOMPARE(ImageFinding(false, -1, 30, 20), QString());
    QCOMPARE(ImageFinding(true, 0, 19, 20), QString());

    QCOMPARE(ImagesToStore(1, 2, true), (std::pair{0, 1}));
    QCOMPARE(ImagesToStore(7, 3, false), (std::pair{2, 3}));
    QCOMPARE(ImagesToStore(7, 8, true), (std::pair{7, 8}));

    QCOMPARE(NormalImageFor(1), 0);
    QCOMPARE(NormalImageFor(3), 2);
    QCOMPARE(NormalImageFor(9), 9);
    QCOMPARE(SelectedImageFor(0), 1);
    QCOMPARE(SelectedImageFor(2), 3);
    QCOMPARE(SelectedImageFor(9), 9);
}

void ItemEditFindingsTest::appendTextFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("currentLength");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("all lines fit") << QByteArray("eins\r\nzwei\r\n") << 0 << 100
                                   << int(CommentFileAppend::Result::Complete)
                                   << QStringList{QStringLiteral("eins"), QStringLiteral("zwei")};
    QTest::newRow("windows-1252 text") << QByteArray("Gr\xfc\xdf\n") << 0 << 100
                                       << int(CommentFileAppend::Result::Complete)
                                       << QStringList{QStringLiteral("Grüß")};
    // "eins" fits after the 5 characters there (with its line break), "zwei" not.
    QTest::newRow("some lines fit") << QByteArray("eins\nzwei\n") << 5 << 12 << int(CommentFileAppend::Result::TooLarge)
                                    << QStringList{QStringLiteral("eins")};
    QTest::newRow("no line fits") << QByteArray("eins\n") << 5 << 8 << int(CommentFileAppend::Result::NothingAdded)
                                  << QStringList();
    QTest::newRow("binary file") << QByteArray("MZ\0\0\x90", 5) << 0 << 100 << int(CommentFileAppend::Result::NotText)
                                 << QStringList();
}

void ItemEditFindingsTest::appendTextFile()
{
    QFETCH(QByteArray, content);
    QFETCH(int, currentLength);
    QFETCH(int, capacity);
    QFETCH(int, outcome);
    QFETCH(QStringList, lines);
    TestEnvironment env;
    const QString file = env.writeFile(QStringLiteral("notes.txt"), content);

    const CommentFileAppend::Result result = CommentFileAppend::read(file, currentLength, capacity);
    QCOMPARE(int(result.outcome), outcome);
    QCOMPARE(result.lines, lines);
    QCOMPARE(int(CommentFileAppend::read(env.path(QStringLiteral("missing.txt")), 0).outcome),
             int(CommentFileAppend::Result::NotText));
}

void ItemEditFindingsTest::tooLargeReportCountsLines()
{
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    CommentFileAppend::Result result;
    result.outcome = CommentFileAppend::Result::TooLarge;
    result.lines = QStringList(1234, QStringLiteral("x"));
    CommentFileAppend::report(result);
    QCOMPARE(boxes.last().caption, QStringLiteral("Textdatei ist zu groß."));
    QCOMPARE(boxes.last().text, QStringLiteral("Die angegebene Textdatei besitzt zu viele Textzeilen. Es konnten\r"
                                               "nur 1.234 Zeilen der Textdatei eingelesen\r"
                                               "und in den Kommentartext übernohmen werden."));
    QCOMPARE(boxes.last().helpContext, 80120);
}

BREKKO_TEST_MAIN(ItemEditFindingsTest)
#include "ItemEditFindingsTest.moc"
