#include "FileBytes.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "ScratchMount.h"
#include "TestRegistry.h"
#include "common/settings/SettingsReader.h"
#include "export/print/PrintCommand.h"
#include "export/print/TExportDruckenForm.h"
#include "export/print/TPagePrinter.h"
#include "project/ProjectFile.h"
#include "stats/StatsCommand.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTextStream>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

QString run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString &pdf)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString pageText(const QString &pdf, int page)
{
    const QString number = QString::number(page);
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                             QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

void fillCatalogue(Project &project, int entries)
{
    project.name = QStringLiteral("Katalog");
    for (int i = 0; i < entries; ++i) {
        ProjectEntry *entry =
            project.tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("Eintrag %1").arg(i)));
        entry->record.comment = {QStringLiteral("Kommentar %1").arg(i)};
        entry->record.command = QStringLiteral("prog%1.exe").arg(i);
    }
}

QString writeCatalogue(const TestEnvironment &env, int entries)
{
    Project project;
    fillCatalogue(project, entries);
    return env.writeFile(QStringLiteral("Katalog.prj"), ProjectFileText(project).toUtf8());
}

// Files of folder besides the ones named.
QStringList othersIn(const QString &folder, const QStringList &known)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : known)
        names.removeAll(name);
    return names;
}

int printCommand(const QStringList &args, QString *errors = nullptr)
{
    QString text;
    QTextStream err(&text);
    const int code = RunPrintCommand(args, err);
    err.flush();
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (errors)
        *errors = text;
    return code;
}

} // namespace

class PrintCommandTest : public QObject {
    Q_OBJECT

private slots:
    void pagesCarryHeaderFooterAndTheirText();
    void labelFormatGivesMorePages();
    void followsTheSettingsFileLikeTheDialog();
    void refusals_data();
    void refusals();
    void notAProject_data();
    void notAProject();
    void emptyProjectWritesNoFile();
    void failedOutputKeepsWhatWasThere_data();
    void failedOutputKeepsWhatWasThere();
    void statsPrintsTheAllEntriesLines();
};

void PrintCommandTest::pagesCarryHeaderFooterAndTheirText()
{
    TestEnvironment env;
    const QString prj = writeCatalogue(env, 150);
    const QString pdf = env.path(QStringLiteral("liste.pdf"));
    QCOMPARE(
        printCommand({"--print", prj, "--pdf", pdf, "--header", "&cSeite &p", "--footer", "&r&f", "--frame", "LRTB"}),
        0);
    const int pages = pdfPages(pdf);
    QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));

    const QString first = pageText(pdf, 1);
    QVERIFY(first.contains(QStringLiteral("Seite 1")));
    QVERIFY(first.contains(QStringLiteral("liste.pdf")));
    QVERIFY(first.contains(QStringLiteral("Eintrag 0\n")));
    QVERIFY(!first.contains(QStringLiteral("Eintrag 149")));
    QVERIFY(!first.contains(QStringLiteral("&")));

    const QString last = pageText(pdf, pages);
    QVERIFY(last.contains(QStringLiteral("Seite %1").arg(pages)));
    QVERIFY(last.contains(QStringLiteral("Eintrag 149")));
    QVERIFY(!last.contains(QStringLiteral("Eintrag 0\n")));
}

void PrintCommandTest::labelFormatGivesMorePages()
{
    TestEnvironment env;
    const QString prj = writeCatalogue(env, 150);
    const QString whole = env.path(QStringLiteral("a4.pdf"));
    const QString zip = env.path(QStringLiteral("zip.pdf"));
    QCOMPARE(printCommand({"--print", prj, "--pdf", whole}), 0);
    QCOMPARE(printCommand({"--print", prj, "--pdf", zip, "--format", "zip-medium"}), 0);
    QVERIFY(pdfPages(zip) > 2 * pdfPages(whole));
    // The label's text stays in its corner: nothing right of 72 mm.
    const QString text = run(QStringLiteral("pdftotext"),
                             {"-f", "1", "-l", "1", "-x", "300", "-y", "0", "-W", "300", "-H", "800", zip, "-"});
    QVERIFY2(text.trimmed().isEmpty(), qPrintable(text));
}

void PrintCommandTest::refusals_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("no output") << QStringList{"--print", "x.prj"} << "Aufruf";
    QTest::newRow("unknown format") << QStringList{"--print", "x.prj", "--pdf", "o.pdf", "--format", "A5"}
                                    << "Seitenformat";
    QTest::newRow("bad frame side") << QStringList{"--print", "x.prj", "--pdf", "o.pdf", "--frame", "LX"}
                                    << "Rahmenseiten";
    QTest::newRow("unknown field") << QStringList{"--print", "x.prj", "--pdf", "o.pdf", "--fields", "bx"} << "--fields";
}

void PrintCommandTest::refusals()
{
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QString errors;
    QCOMPARE(printCommand(args, &errors), 2);
    QVERIFY2(errors.contains(message), qPrintable(errors));
}

// The settings file's fields, separators and custom size reach the pages,
// which are the pages the print export dialog lays out from the same file.
void PrintCommandTest::followsTheSettingsFileLikeTheDialog()
{
    TestEnvironment env;
    const QString ini = env.writeFile(QStringLiteral("program/Brekko.ini"),
                                      "<Talvoren V4 Ini-Datei>\r\n[Export]\r\nFeldbereich Kommentar=1,\"# \"\r\n"
                                      "Benutzerdefiniertes Seitenformat=100,40\r\n");
    Project project;
    fillCatalogue(project, 60);
    const QString prj = env.writeFile(QStringLiteral("Katalog.prj"), ProjectFileText(project).toUtf8());
    const QString pdf = env.path(QStringLiteral("etikett.pdf"));
    QCOMPARE(printCommand({"--print", prj, "--pdf", pdf, "--format", "Benutzerdefiniert"}), 0);
    QVERIFY(pageText(pdf, 1).contains(QStringLiteral("# Kommentar 0")));

    const Settings settings = ReadSettings(ini);
    TExportDruckenForm form(MakePrintTextSource(project, settings), settings);
    form.show();
    form.findChild<QComboBox *>(QStringLiteral("ComboBox_Format"))->setCurrentText(QStringLiteral("Benutzerdefiniert"));
    QCOMPARE(pdfPages(pdf), form.pagePrinter()->pageCount());

    QCOMPARE(printCommand({"--print", prj, "--pdf", pdf, "--fields", "b"}), 0);
    QVERIFY(!pageText(pdf, 1).contains(QStringLiteral("Kommentar")));
}

void PrintCommandTest::notAProject_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("caption");
    QTest::newRow("missing") << QByteArray() << "Fehler: Projektdatei nicht gefunden...";
    QTest::newRow("no header") << QByteArray("Item New\r\nTitel=A\r\nItem Done\r\n")
                               << "Fehler: Ungültige Projektdatei...";
}

void PrintCommandTest::notAProject()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, caption);
    TestEnvironment env;
    const QString file = content.isNull() ? env.path(QStringLiteral("fehlt.prj")) : env.writeFile("a.prj", content);
    const QString pdf = env.path(QStringLiteral("a.pdf"));
    MsgBoxRecorder boxes;
    boxes.setAnswerOkBoxes(true);
    QCOMPARE(printCommand({"--print", file, "--pdf", pdf}), 2);
    QVERIFY(!QFile::exists(pdf));
    QString text;
    QTextStream out(&text);
    QCOMPARE(RunStatsCommand({"--stats", file}, out, out), 2);
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.boxes().at(0).caption, caption);
    QCOMPARE(boxes.boxes().at(1).caption, caption);
}

void PrintCommandTest::emptyProjectWritesNoFile()
{
    TestEnvironment env;
    const QString prj = env.writeFile(QStringLiteral("leer.prj"), "<Talvoren V4 Projektdatei>\r\nProjekt=Leer\r\n");
    const QString pdf = env.path(QStringLiteral("leer.pdf"));
    QCOMPARE(printCommand({"--print", prj, "--pdf", pdf}), 0);
    QVERIFY(!QFile::exists(pdf));
}

// Whatever goes wrong, the old file stays whole and no piece of the new one
// is left behind.
void PrintCommandTest::failedOutputKeepsWhatWasThere_data()
{
    QTest::addColumn<QString>("target");
    QTest::newRow("output is the input") << "input";
    QTest::newRow("full medium") << "full";
    QTest::newRow("read-only folder") << "read-only";
    QTest::newRow("device that is always full") << "device";
}

void PrintCommandTest::failedOutputKeepsWhatWasThere()
{
    QFETCH(QString, target);
    TestEnvironment env;
    const QString prj = writeCatalogue(env, 300);
    const QByteArray old("%PDF alte Ausgabe");
    std::unique_ptr<ScratchMount> mount;
    QString pdf;
    if (target == QLatin1String("input")) {
        pdf = prj;
    } else if (target == QLatin1String("device")) {
        pdf = env.path(QStringLiteral("voll"));
        if (::mknod(QFile::encodeName(pdf).constData(), S_IFCHR | 0666, makedev(1, 7)) != 0)
            QSKIP("cannot make a device node here (needs root)");
    } else {
        const QString folder = env.makeFolder(QStringLiteral("medium"));
        env.writeFile(QStringLiteral("medium/alt.pdf"), old);
        mount = target == QLatin1String("full") ? std::make_unique<ScratchMount>(64, folder)
                                                : std::make_unique<ScratchMount>(folder, folder);
        REQUIRE_MOUNT(*mount);
        pdf = folder + QStringLiteral("/alt.pdf");
        if (target == QLatin1String("full")) {
            env.writeFile(QStringLiteral("medium/alt.pdf"), old);
            mount->fill();
        }
    }
    const QByteArray before = FileBytes(prj);
    QString errors;
    QCOMPARE(printCommand({"--print", prj, "--pdf", pdf}, &errors), 2);
    QVERIFY2(!errors.isEmpty(), "no message");
    QCOMPARE(FileBytes(prj), before);
    if (mount) {
        QCOMPARE(FileBytes(pdf), old);
        QCOMPARE(othersIn(QFileInfo(pdf).absolutePath(), {"alt.pdf"}).filter(QStringLiteral("alt.pdf")), QStringList());
    }
}

void PrintCommandTest::statsPrintsTheAllEntriesLines()
{
    TestEnvironment env;
    const QString prj = writeCatalogue(env, 1200);
    QLocale::setDefault(QLocale::c());
    QString text, errors;
    QTextStream out(&text), err(&errors);
    QCOMPARE(RunStatsCommand({"--stats", prj}, out, err), 0);
    out.flush();
    QVERIFY(text.startsWith(QStringLiteral("Anzahl der Einträge: 1.200\n")));
    QVERIFY(text.contains(QStringLiteral("\nKommentar:\n  Zeilenanzahl: 1200\n  Durchschnittliche Zeilenanzahl: 1\n")));
    QVERIFY2(text.contains(QRegularExpression(QStringLiteral("\nBefehl:\n  Zeichenanzahl: \\d+\n  Durchschnittliche "
                                                             "Zeichenanzahl: \\d+,\\d+\n$"))),
             qPrintable(text));
}

BREKKO_TEST_MAIN(PrintCommandTest)
#include "PrintCommandTest.moc"
