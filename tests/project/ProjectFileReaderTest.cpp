#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/FileUtils.h"
#include "platform/TextFile.h"
#include "project/ProjectFile.h"

#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray crlf(const QStringList &lines)
{
    return lines.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

// One line per entry in pre-order: depth dots, title, images, action, command.
QStringList shape(const Project &project)
{
    QStringList rows;
    for (const ProjectEntry *entry : project.tree.preOrder()) {
        rows.append(QStringLiteral("%1%2 %3,%4 %5:%6")
                        .arg(QString(entry->depth(), QLatin1Char('.')), entry->title)
                        .arg(entry->imageIndex)
                        .arg(entry->selectedImageIndex)
                        .arg(entry->record.action)
                        .arg(entry->record.command));
    }
    return rows;
}

} // namespace

class ProjectFileReaderTest : public QObject {
    Q_OBJECT

private slots:
    void grammar_data();
    void grammar();
    void commentsAndKeysKeepTheirText();
    void problemsAreListedWithLineNumbers();
    void refusals_data();
    void refusals();
    void reportCountsAndProgress();
    void consistency_data();
    void consistency();
    void imageFiles();
    void deepNestingAndWideTrees();
    void binaryGarbageNeverCrashes();
    void encodingIsChosenPerFile_data();
    void encodingIsChosenPerFile();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void emptyNamesAreNotOpened();
};

void ProjectFileReaderTest::grammar_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");

    const QString h = ProjectFileFormat::header;
    QTest::newRow("header after other text, any case")
        << QStringList{"some text", "more",    "",         "x=y", QStringLiteral("  <talvoren v4 PROJEKTDATEI>  "),
                       "item new",  "titel=A", "ITEM DONE"}
        << QStringList{"A 2,3 0:"};
    QTest::newRow("numbers and parents as written") << QStringList{
        h,           "Item New", "ParentNr=-1", "Titel=A", "Item Done", "Item New", "ParentNr=-1", "Titel=B",
        "Item Done", "Item New", "ParentNr=1",  "Titel=C", "Item Done", "Item New", "ParentNr=-1", "Titel=D",
        "Item Done"} << QStringList{"A 2,3 0:", "B 0,1 0:", ".C 2,3 0:", "D 2,3 0:"};
    QTest::newRow("image forms; an automatic half makes both automatic")
        << QStringList{h,          "Item New",  "Image=7",   "Item Done", "Item New",       "Image=2,9", "Item Done",
                       "Item New", "Image=x,9", "Item Done", "Item New",  "Image= 5 , 21 ", "Item Done"}
        << QStringList{"<Unbenannt> 6,6 0:", "<Unbenannt> 2,3 0:", "<Unbenannt> 2,3 0:", "<Unbenannt> 2,3 0:"};
    QTest::newRow("command forms keep their letter case")
        << QStringList{h,           "Item New", "Befehl=3",
                       "Item Done", "Item New", "Befehl=c:\\tools\\a.exe",
                       "Item Done", "Item New", "Befehl= 1 , C:\\X.EXE",
                       "Item Done", "Item New", "Befehl=x,Cmd, with, commas",
                       "Item Done"}
        << QStringList{"<Unbenannt> 2,3 3:", "<Unbenannt> 2,3 0:c:\\tools\\a.exe", "<Unbenannt> 2,3 1:C:\\X.EXE",
                       "<Unbenannt> 2,3 0:Cmd, with, commas"};
    QTest::newRow("actions out of range become none")
        << QStringList{h,           "Item New", "Befehl=6,",  "Item Done", "Item New", "Befehl=-1,",
                       "Item Done", "Item New", "Befehl=300", "Item Done"}
        << QStringList{"<Unbenannt> 2,3 0:", "<Unbenannt> 2,3 0:", "<Unbenannt> 2,3 0:"};
    QTest::newRow("a block without Befehl starts from the defaults")
        << QStringList{h, "Item New", "Titel=A", "Befehl=2,/x", "Item Done", "Item New", "Titel=B", "Item Done"}
        << QStringList{"A 2,3 2:/x", "B 2,3 0:"};
    QTest::newRow("two ITEM NEW in a row make two entries")
        << QStringList{h, "Item New", "Titel=A", "Item New", "Titel=B", "Item Done"}
        << QStringList{"A 2,3 0:", "B 2,3 0:"};
    QTest::newRow("missing last ITEM DONE") << QStringList{h, "Item New", "Titel=A"} << QStringList{"A 2,3 0:"};
    QTest::newRow("keys with blanks before = are unknown")
        << QStringList{h, "Item New", "Titel =x", "ItemNr=5", "Item Done"} << QStringList{"<Unbenannt> 2,3 0:"};
    QTest::newRow("entry keys outside a block have no effect")
        << QStringList{h, "Titel=Lost", "Item New", "Item Done"} << QStringList{"<Unbenannt> 2,3 0:"};
    QTest::newRow("parent read later is not known yet")
        << QStringList{h,          "Item New", "Titel=A",    "ParentNr=3", "Item Done",
                       "Item New", "Titel=B",  "ParentNr=7", "Item Done"}
        << QStringList{"A 2,3 0:", "B 2,3 0:"};
    QTest::newRow("parent number follows the tree as it grows")
        << QStringList{h,           "Item New",  "Titel=A",  "Item Done",  "Item New",
                       "Titel=B",   "Item Done", "Item New", "Titel=C",    "ParentNr=0",
                       "Item Done", "Item New",  "Titel=D",  "ParentNr=1", "Item Done"}
        << QStringList{"A 0,1 0:", ".C 0,1 0:", "..D 2,3 0:", "B 2,3 0:"};
    QTest::newRow("parent numbers shift when an entry goes in before them")
        << QStringList{h,           "Item New", "Titel=A",    "Item Done",  "Item New", "Titel=B", "Item Done",
                       "Item New",  "Titel=C",  "ParentNr=0", "Item Done",  "Item New", "Titel=D", "ParentNr=2",
                       "Item Done", "Item New", "Titel=E",    "ParentNr=1", "Item Done"}
        << QStringList{"A 0,1 0:", ".C 0,1 0:", "..E 2,3 0:", "B 0,1 0:", ".D 2,3 0:"};
    QTest::newRow("numbers beyond every range")
        << QStringList{h,           "Item New", "Image=-2147483648,2147483647", "Befehl=99999999999999999999,x",
                       "Item Done", "Item New", "Image=-99999999999999999999",  "ParentNr=-99999999999999999999",
                       "Item Done", "Item New", "ParentNr=2147483648",          "Befehl=-2147483649",
                       "Item Done"}
        << QStringList{"<Unbenannt> 2,3 0:x", "<Unbenannt> 2,3 0:", "<Unbenannt> 2,3 0:"};
    QTest::newRow("empty project") << QStringList{h, "", "Projekt=Leer"} << QStringList{};
}

void ProjectFileReaderTest::grammar()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    TestEnvironment env;
    MsgBoxRecorder boxes;
    const QString file = env.writeFile(QStringLiteral("p.prj"), crlf(lines));
    QVERIFY(CheckProjectFile(file));
    LoadReport report;
    const auto project = ReadProjectFile(file, report);
    QVERIFY(project);
    QCOMPARE(shape(*project), expected);
    QCOMPARE(boxes.count(), 0);
}

void ProjectFileReaderTest::commentsAndKeysKeepTheirText()
{
    TestEnvironment env;
    const QString file = env.writeFile(
        QStringLiteral("p.prj"), crlf({ProjectFileFormat::header, "PROJEKT=Mein = Projekt", "expanditems= 1 ",
                                       "Images Verwenden=0", "Item New", "Titel=T=1,2", "Kommentar=a=b",
                                       "Kommentar=trailing   ", "  kommentar=  lead", "Kommentar=", "Item Done"}));
    LoadReport report;
    const auto project = ReadProjectFile(file, report);
    QVERIFY(project);
    QCOMPARE(project->name, QStringLiteral("Mein = Projekt"));
    QVERIFY(project->expandItems);
    QVERIFY(!project->useImages);
    const ProjectEntry *entry = project->tree.entryAt(0);
    QCOMPARE(entry->title, QStringLiteral("T=1,2"));
    QCOMPARE(entry->record.comment, (QStringList{"a=b", "trailing", "  lead", ""}));
}

void ProjectFileReaderTest::problemsAreListedWithLineNumbers()
{
    TestEnvironment env;
    const QString file =
        env.writeFile(QStringLiteral("p.prj"), crlf({ProjectFileFormat::header, "Item Done", "Item New", "Titel=A",
                                                     "Item New", "Titel=B", "ParentNr=9", "Item Done", "Item New"}));
    LoadReport report;
    const auto project = ReadProjectFile(file, report);
    QVERIFY(project);
    QCOMPARE(
        report.problems,
        (QStringList{"Zeile: 2 - \"ITEM DONE\" ist mit keinem \"ITEM NEW\" assoziiert. Konnte kein Projekteintrag "
                     "erkennen.",
                     "Zeile: 5 - \"ITEM NEW\" definiert, voriger Eintrag wurde mit keinem \"ITEM DONE\" abgeschloßen. "
                     "Fehler wurde behoben.",
                     "Zeile: 8 - \"PARENTNR=9\" bezeichnet keinen zuvor eingelesenen Projekteintrag. Eintrag wurde in "
                     "die oberste Ebene eingefügt.",
                     "Der letzte Projekteintrag wurde mit keinem \"ITEM DONE\" abgeschloßen. Fehler wurde behoben."}));
    QCOMPARE(shape(*project), (QStringList{"A 2,3 0:", "B 2,3 0:", "<Unbenannt> 2,3 0:"}));
}

void ProjectFileReaderTest::refusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("helpContext");
    QTest::newRow("missing") << "none.prj" << QByteArray() << "Fehler: Projektdatei nicht gefunden..." << 80030;
    QTest::newRow("no header") << "x.prj" << QByteArray("Item New\r\nItem Done\r\n")
                               << "Fehler: Ungültige Projektdatei..." << 80040;
    QTest::newRow("header inside a line")
        << "y.prj" << QByteArray("x <Talvoren V4 Projektdatei>\r\n") << "Fehler: Ungültige Projektdatei..." << 80040;
}

void ProjectFileReaderTest::refusals()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, caption);
    QFETCH(int, helpContext);
    TestEnvironment env;
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    const QString file = content.isNull() ? env.path(name) : env.writeFile(name, content);
    QVERIFY(!CheckProjectFile(file));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, caption);
    QCOMPARE(boxes.last().helpContext, helpContext);
    QCOMPARE(boxes.last().buttons, MsgBox::Ok | MsgBox::Help);
    QVERIFY(boxes.last().text.contains(file));
}

void ProjectFileReaderTest::reportCountsAndProgress()
{
    TestEnvironment env;
    QStringList lines{ProjectFileFormat::header};
    for (int i = 0; i < 40; ++i)
        lines << "Item New" << QStringLiteral("Titel=%1").arg(i) << "Item Done";
    lines << "  item new  ";
    const QString file = env.writeFile(QStringLiteral("p.prj"), crlf(lines));
    QList<int> percents;
    QStringList statuses;
    OperationObserver observer;
    observer.status = [&](const QString &text) { statuses << text; };
    observer.progress = [&](int percent) { percents << percent; };
    LoadReport report;
    QVERIFY(ReadProjectFile(file, report, observer));
    QCOMPARE(report.entriesRead, 41);
    QCOMPARE(report.entriesInFile, 41);
    QCOMPARE(report.linesRead, 122);
    QCOMPARE(report.linesInFile, 122);
    QCOMPARE(statuses.first(), QStringLiteral("Projektdatei wird eingelesen..."));
    QCOMPARE(percents.first(), 0);
    QCOMPARE(percents.last(), 100);
    for (int i = 1; i < percents.size(); ++i)
        QVERIFY2(percents[i] > percents[i - 1], "the gauge moves only when the percentage changes");
}

void ProjectFileReaderTest::consistency_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("problem");

    const QString notFound = QStringLiteral(
        "Projekteintrag: 1 - In der Befehlszeile definierte(s) Datei/Verzeichnis \"%1\" konnte nicht gefunden werden.");
    const QString folderRun = QStringLiteral(
        "Projekteintrag: 1 - In der Befehlszeile wurde ein Verzeichnis angegeben, als Befehlsnummer jedoch "
        "\"Ausführen\" gewählt. Ein Verzeichnis kann nicht ausgeführt werden.");
    const QString noArchive =
        QStringLiteral("Projekteintrag: 1 - Als Befehlsnummer wurde \"Entpacken\" gewählt, jedoch in der "
                       "Befehlszeile keine Archivdatei die entpackt werden könnte angegeben.");
    const QString noMacro = QStringLiteral(
        "Projekteintrag: 1 - In der Befehlszeile definierte Makrodatei \"%1\" ist keine gültige Brekko-Makrodatei.");

    QTest::newRow("folder run") << "$ROOT/Tools" << 1 << folderRun;
    QTest::newRow("folder run, drive-independent") << "\\Tools" << 1 << folderRun;
    QTest::newRow("folder in file manager") << "$ROOT/Tools" << 2 << QString();
    QTest::newRow("unzip without command") << "" << 4 << noArchive;
    QTest::newRow("no action without command") << "" << 0 << QString();
    QTest::newRow("unrar on a folder") << "\\Tools" << 3 << noArchive;
    QTest::newRow("unzip on a file") << "\\Tools\\Run.sh" << 4 << QString();
    QTest::newRow("missing file, whatever the action")
        << "c:\\nowhere\\x.exe" << 3 << notFound.arg("c:\\nowhere\\x.exe");
    QTest::newRow("missing drive-independent word")
        << "\\Tools\\Run.sh \\Nope\\X.txt" << 1 << notFound.arg("\\Tools\\Run.sh \\Nope\\X.txt");
    QTest::newRow("plain words are not looked up") << "Run.sh --help" << 1 << QString();
    QTest::newRow("macro without header keeps its case") << "\\Tools\\Run.sh" << 5 << noMacro.arg("\\Tools\\Run.sh");
    QTest::newRow("macro with header") << "\\Tools\\Start.MKR" << 5 << QString();
    QTest::newRow("letter case matters for names") << "\\tools\\run.sh" << 1 << notFound.arg("\\tools\\run.sh");
}

void ProjectFileReaderTest::consistency()
{
    QFETCH(QString, command);
    QFETCH(int, action);
    QFETCH(QString, problem);
    TestEnvironment env;
    const QString drive = env.addVolume(QStringLiteral("stick"));
    env.writeFile(QStringLiteral("stick/Tools/Run.sh"), "#!/bin/sh\n");
    env.writeFile(QStringLiteral("stick/Tools/Start.MKR"), "x\r\n  <TALVOREN V4 makrodatei>\r\n");
    command.replace(QStringLiteral("$ROOT"), drive);
    problem.replace(QStringLiteral("$ROOT"), drive);
    const QString file = env.writeFile(QStringLiteral("stick/cat/p.prj"),
                                       crlf({ProjectFileFormat::header, "Item New",
                                             QStringLiteral("Befehl=%1,%2").arg(action).arg(command), "Item Done"}));
    LoadReport report;
    const auto project = ReadProjectFile(file, report);
    QVERIFY(project);
    QCOMPARE(report.problems, problem.isEmpty() ? QStringList() : QStringList{problem});
    QCOMPARE(project->tree.entryAt(0)->record.command, command);
}

void ProjectFileReaderTest::imageFiles()
{
    TestEnvironment env;
    const QString drive = env.addVolume(QStringLiteral("cd"));
    QImage strip(48, 16, QImage::Format_RGB32);
    strip.fill(QColor(0, 128, 128));
    for (int x = 32; x < 48; ++x)
        strip.setPixel(x, 5, qRgb(200, 10, 10));
    env.makeFolder(QStringLiteral("cd/Pics"));
    QVERIFY(strip.save(env.path(QStringLiteral("cd/Pics/Strip.bmp")), "BMP"));
    env.writeFile(QStringLiteral("cd/Pics/Note.txt"), "text");
    env.writeFile(QStringLiteral("cd/Pics/Broken.bmp"), "BM not really");
    const QString file =
        env.writeFile(QStringLiteral("cd/p.prj"),
                      crlf({ProjectFileFormat::header, "ImageFile=\\Pics\\Strip.bmp", "ImageFile=\\Pics\\Missing.bmp",
                            "ImageFile=\\Pics\\Note.txt", "ImageFile=\\Pics\\Broken.bmp", "ImageFile=", "Item New",
                            "Image=21,21", "Item Done"}));
    LoadReport report;
    const auto project = ReadProjectFile(file, report);
    QVERIFY(project);
    const QString pics = drive + QStringLiteral("/Pics/");
    QCOMPARE(
        report.problems,
        (QStringList{
            "Zeile: 3 - \"IMAGEFILE=\", die angegebene Datei \"Pics\\Missing.bmp\" konnte nicht gefunden werden.",
            "Zeile: 4 - \"IMAGEFILE=\", die angegebene Datei \"" + pics + "Note.txt\" ist keine Bitmap-Datei (*.bmp).",
            "Zeile: 5 - \"IMAGEFILE=\", die angegebene Bitmap-Datei \"" + pics
                + "Broken.bmp\" konnte nicht eingeladen werden."}));
    QCOMPARE(project->imageFiles, QStringList{pics + "Strip.bmp"});
    QCOMPARE(project->images.count(), 21);
    const QImage tile = project->images.image(20);
    QCOMPARE(tile.size(), QSize(16, 16));
    QCOMPARE(tile.pixel(0, 5), qRgb(200, 10, 10));
    QCOMPARE(qAlpha(tile.pixel(0, 0)), 0);
    QCOMPARE(project->tree.entryAt(0)->imageIndex, 20);
}

void ProjectFileReaderTest::deepNestingAndWideTrees()
{
    TestEnvironment env;
    QStringList lines{ProjectFileFormat::header};
    const int depth = 20000;
    for (int i = 0; i < depth; ++i)
        lines << "Item New" << QStringLiteral("ParentNr=%1").arg(i - 1) << "Item Done";
    const QString file = env.writeFile(QStringLiteral("deep.prj"), crlf(lines));
    LoadReport report;
    auto project = ReadProjectFile(file, report);
    QVERIFY(project);
    QCOMPARE(project->tree.count(), depth);
    QCOMPARE(project->tree.entryAt(depth - 1)->depth(), depth - 1);
    QVERIFY(report.problems.isEmpty());
    project.reset();
}

void ProjectFileReaderTest::binaryGarbageNeverCrashes()
{
    TestEnvironment env;
    QByteArray bytes = ProjectFileFormat::header.toLatin1() + "\r\n";
    quint32 seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes.append(static_cast<char>(seed >> 24));
        if (i % 97 == 0)
            bytes.append(i % 2 ? "\r\nItem New\r\nParentNr=3\r\nImage=99,-4\r\n" : "\nItem Done\nBefehl=5,\\x y\n");
    }
    const QString file = env.writeFile(QStringLiteral("garbage.prj"), bytes);
    LoadReport report;
    const auto project = ReadProjectFile(file, report);
    QVERIFY(project);
    QCOMPARE(report.linesRead, report.linesInFile);
    for (const ProjectEntry *entry : project->tree.preOrder()) {
        QVERIFY(entry->imageIndex >= 0 && entry->imageIndex < project->images.count());
        QVERIFY(entry->record.action <= kLastAction);
    }
}

void ProjectFileReaderTest::encodingIsChosenPerFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    const QByteArray h = ProjectFileFormat::header.toLatin1() + "\r\n";
    QTest::newRow("Windows-1252 with a line that looks like UTF-8") << h
                                                                           + "Item New\r\nTitel=Ma\xDF\x96"
                                                                             "Band\r\nKommentar=Gr\xF6\xDF"
                                                                             "e\r\nItem Done\r\n"
                                                                    << QStringLiteral("Maß–Band");
    QTest::newRow("UTF-8 throughout") << h + "Item New\r\nTitel=Ma\xC3\x9F\r\nItem Done\r\n" << QStringLiteral("Maß");
    QTest::newRow("BOM before the first block")
        << QByteArray("\xEF\xBB\xBFItem New\r\nTitel=\xC3\xA4\r\nItem Done\r\n") + h << QStringLiteral("ä");
}

void ProjectFileReaderTest::encodingIsChosenPerFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    TestEnvironment env;
    MsgBoxRecorder boxes;
    const QString file = env.writeFile(QStringLiteral("p.prj"), bytes);
    QVERIFY(CheckProjectFile(file));
    LoadReport report;
    const auto project = ReadProjectFile(file, report);
    QVERIFY(project);
    QCOMPARE(CountEntryLines(file), 1);
    QCOMPARE(report.entriesRead, report.entriesInFile);
    QCOMPARE(project->tree.entryAt(0)->title, title);

    QVERIFY(SaveProjectFile(*project, file, SaveOptions{false, {}}));
    LoadReport again;
    const auto reread = ReadProjectFile(file, again);
    QVERIFY(reread);
    QCOMPARE(ProjectFileText(*reread), ProjectFileText(*project));
    QVERIFY(again.problems.isEmpty());
}

void ProjectFileReaderTest::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("problem");
    QTest::newRow("macro naming a FIFO")
        << "Befehl=5,$F"
        << "Projekteintrag: 1 - In der Befehlszeile definierte Makrodatei \"$F\" ist keine gültige Brekko-Makrodatei.";
    QTest::newRow("bitmap that is a FIFO")
        << "ImageFile=$F"
        << "Zeile: 3 - \"IMAGEFILE=\", die angegebene Bitmap-Datei \"$F\" konnte nicht eingeladen werden.";
}

void ProjectFileReaderTest::onlyRegularFilesAreRead()
{
    QFETCH(QString, entry);
    QFETCH(QString, problem);
    TestEnvironment env;
    MsgBoxRecorder boxes;
    const QString fifo = env.path(QStringLiteral("pipe.bmp"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    boxes.answer(MsgBox::ResultOk);
    QVERIFY(!CheckProjectFile(fifo));
    QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Ungültige Projektdatei..."));
    QCOMPARE(CountLines(fifo), -1);

    entry.replace(QStringLiteral("$F"), fifo);
    problem.replace(QStringLiteral("$F"), fifo);
    const QString file =
        env.writeFile(QStringLiteral("p.prj"), crlf({ProjectFileFormat::header, "Item New", entry, "Item Done"}));
    LoadReport report;
    QVERIFY(ReadProjectFile(file, report));
    QCOMPARE(report.problems, QStringList{problem});
}

namespace {
QStringList g_warnings;
void collectWarning(QtMsgType, const QMessageLogContext &, const QString &text)
{
    g_warnings.append(text);
}
} // namespace

void ProjectFileReaderTest::emptyNamesAreNotOpened()
{
    TestEnvironment env;
    const QString file =
        env.writeFile(QStringLiteral("p.prj"),
                      crlf({ProjectFileFormat::header, "Item New", "Befehl=5,", "Item Done", "ImageFile= "}));
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectWarning);
    LoadReport report;
    const bool read = ReadProjectFile(file, report) != nullptr;
    const bool contains = FileContainsLine(QString(), ProjectFileFormat::header);
    qInstallMessageHandler(previous);
    QVERIFY(read);
    QVERIFY(!contains);
    QCOMPARE(g_warnings, QStringList());
}

BREKKO_TEST_MAIN(ProjectFileReaderTest)
#include "ProjectFileReaderTest.moc"
