#include "FileTreeFixture.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "platform/Volumes.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>

#include <functional>

#include <sys/stat.h>

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run brekko(const QStringList &arguments, const std::function<void(QProcess &)> &prepare = {})
{
    QProcess process;
    if (prepare)
        prepare(process);
    process.start(QString::fromLocal8Bit(qgetenv("BREKKO_EXECUTABLE")), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

const QByteArray kGood = "<Talvoren V4 Projektdatei>\r\nProjekt=Gut\r\nItem New\r\nTitel=A\r\nItem Done\r\n";

} // namespace

// Runs the real executable, as scripts do.
class CommandLineToolTest : public QObject {
    Q_OBJECT

private slots:
    void checkCleanFile();
    void checkOfALatin1Name();
    void checkReportsProblemsInOrder();
    void checkRefusal_data();
    void checkRefusal();
    void expandAgainstTheProjectDrive();
    void resaveWritesWithBackup();
    void resaveAnswersQuestionsByKeepingFiles();
    void resaveOntoAFullMediumFails();
    void versionAndUsage();
    void lostOutputIsAFailure_data();
    void lostOutputIsAFailure();
    void unknownOptionGetsTheUsage_data();
    void unknownOptionGetsTheUsage();
    void statsFormatsAsTheWindow();
};

void CommandLineToolTest::checkCleanFile()
{
    TestEnvironment env;
    const Run run = brekko({"--check", env.writeFile("a.prj", kGood)});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("Anzahl der tatsächlich eingelesenen Einträge: 1\n"
                                     "Insgesamt Anzahl der Einträge in der Projektdatei: 1\n"
                                     "Anzahl der tatsächlich eingelesenen Zeilen: 5\n"
                                     "Insgesamt Anzahl der Zeilen in der Projektdatei: 5\n"));
}

// The name reaches the program as bytes no text can hold.
void CommandLineToolTest::checkOfALatin1Name()
{
    TestEnvironment env;
    const auto cleanUp = qScopeGuard([&env] { FileTree::removeRawTree(QFile::encodeName(env.root())); });
    const QByteArray folder = QFile::encodeName(env.root()) + "/kataloge\xe4";
    ::mkdir(folder.constData(), 0755);
    QVERIFY(FileTree::writeRaw(folder + "/alt\xe4.prj", kGood));
    QProcess process;
    process.setWorkingDirectory(env.root());
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("exec \"$BREKKO_EXECUTABLE\" --check \"$(printf "
                                                        "'kataloge\\344/alt\\344.prj')\"")});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(process.readAllStandardOutput().contains("Einträge: 1\n"));
}

void CommandLineToolTest::checkReportsProblemsInOrder()
{
    TestEnvironment env;
    const Run run = brekko({"--check", env.writeFile("b.prj", "<Talvoren V4 Projektdatei>\nItem Done\nItem New\n"
                                                              "Befehl=4,\nItem New\n")});
    QCOMPARE(run.exitCode, 1);
    const QStringList lines = run.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 8);
    QVERIFY(lines[0].startsWith(QStringLiteral("Zeile: 2 - \"ITEM DONE\"")));
    QVERIFY(lines[1].startsWith(QStringLiteral("Zeile: 5 - \"ITEM NEW\" definiert")));
    QVERIFY(lines[2].startsWith(QStringLiteral("Projekteintrag: 1 - Als Befehlsnummer wurde \"Entpacken\"")));
    QVERIFY(lines[3].startsWith(QStringLiteral("Der letzte Projekteintrag")));
    QCOMPARE(lines[4], QStringLiteral("Anzahl der tatsächlich eingelesenen Einträge: 2"));
}

void CommandLineToolTest::checkRefusal_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("caption"); // content "fifo": a named pipe in its place
    QTest::newRow("missing") << QByteArray() << "Fehler: Projektdatei nicht gefunden...";
    QTest::newRow("no header") << QByteArray("Item New\r\n") << "Fehler: Ungültige Projektdatei...";
    QTest::newRow("pipe, not waited on") << QByteArray("fifo") << "Fehler: Ungültige Projektdatei...";
}

void CommandLineToolTest::checkRefusal()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, caption);
    TestEnvironment env;
    const bool pipe = content == "fifo";
    const QString file = content.isNull() || pipe ? env.path("none.prj") : env.writeFile("c.prj", content);
    if (pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    const Run run = brekko({"--check", file});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.startsWith(caption + QLatin1Char('\n')), qPrintable(run.err));
    QVERIFY(run.err.contains(QLatin1Char('\n') + file) || run.err.contains(QLatin1Char('"') + file));
    QVERIFY(!run.err.contains(QLatin1Char('\r')));
}

void CommandLineToolTest::expandAgainstTheProjectDrive()
{
    TestEnvironment env;
    const QString tool = env.writeFile("Tools/Run Me.sh", "#!/bin/sh\n");
    const QString drive = Volumes::volumeOf(tool);
    QString independent = tool.mid(drive == QLatin1String("/") ? 0 : drive.size());
    independent.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QString project = env.writeFile("p.prj", kGood);

    Run run = brekko({"--expand", "--project", project, independent});
    QCOMPARE(run.out, QStringLiteral("1\t") + tool + QLatin1Char('\n'));
    run = brekko({"--expand", "--project", project, "/q \\missing\\x.txt"});
    QCOMPARE(run.out, QStringLiteral("-3\t/q \\missing\\x.txt\n"));
    run = brekko({"--expand", ""});
    QCOMPARE(run.out, QStringLiteral("-1\t\n"));
}

void CommandLineToolTest::resaveWritesWithBackup()
{
    TestEnvironment env;
    const QString in = env.writeFile("in.prj", kGood + "Item New\r\nParentNr=0\r\nTitel=B\r\nItem Done\r\n");
    const QString out = env.writeFile("out.prj", kGood);
    const Run run = brekko({"--resave", in, out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(FileBytes(env.path("out.pr~")), kGood);
    const QByteArray written = FileBytes(out);
    QVERIFY(written.startsWith("<Talvoren V4 Projektdatei>\r\n\r\nProjekt=Gut\r\n"));
    QVERIFY(written.contains("Item New\r\n  ItemNr=1\r\n  ParentNr=0\r\n  Titel=B\r\n"));
}

void CommandLineToolTest::resaveAnswersQuestionsByKeepingFiles()
{
    TestEnvironment env;
    const QString in = env.writeFile("in.prj", kGood);
    const QString out = env.writeFile("out.prj", kGood + "Item New\r\nTitel=Alt\r\nItem Done\r\n");
    const QByteArray before = FileBytes(out);
    QFile::setPermissions(env.writeFile("out.pr~", "alte Sicherung"), QFileDevice::ReadOwner);
    const Run run = brekko({"--resave", in, out});
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.startsWith(QStringLiteral("Fehler: Konnte Sicherungskopie nicht erstellen...\n")));
    QCOMPARE(FileBytes(out), before);
    QCOMPARE(FileBytes(env.path("out.pr~")), QByteArray("alte Sicherung"));
}

void CommandLineToolTest::resaveOntoAFullMediumFails()
{
    TestEnvironment env;
    QByteArray big = kGood;
    for (int i = 0; i < 400; ++i)
        big += "Item New\r\nTitel=Eintrag mit etwas Text\r\nItem Done\r\n";
    const QString in = env.writeFile("in.prj", big);
    ScratchMount medium(64);
    REQUIRE_MOUNT(medium);
    const QString out = medium.path("out.prj");
    QFile old(out);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kGood) == kGood.size());
    old.close();
    medium.fill();

    const Run run = brekko({"--resave", in, out});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(QStringLiteral("Fehler: Projekt unvollständig gespeichert...\n")), qPrintable(run.err));
    QCOMPARE(FileBytes(out), kGood);
    QCOMPARE(FileBytes(medium.path("out.pr~")), kGood);
}

void CommandLineToolTest::versionAndUsage()
{
    QCOMPARE(brekko({"--version"}).out, QStringLiteral("Brekko 4.00.36 Beta-1\n"));
    const Run help = brekko({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.contains(QStringLiteral("--check")));
    QVERIFY(help.out.startsWith(QStringLiteral("Aufruf: brekko [PROJEKTDATEI] [INI-DATEI] [MAKRODATEI]\n")));
    QCOMPARE(brekko({"--check"}).exitCode, 2);
}

// Standard output on a full medium: every mode says so and ends with 2.
void CommandLineToolTest::lostOutputIsAFailure_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("help") << QStringList{"--help"};
    QTest::newRow("version") << QStringList{"--version"};
    QTest::newRow("check") << QStringList{"--check", "%1"};
    QTest::newRow("expand") << QStringList{"--expand", "x"};
    QTest::newRow("stats") << QStringList{"--stats", "%1"};
    QTest::newRow("export-text") << QStringList{"--export-text", "%1"};
    QTest::newRow("list") << QStringList{"--list", "%2"};
    QTest::newRow("test") << QStringList{"--test", "%2"};
    QTest::newRow("extract") << QStringList{"--extract", "%2", "%3"};
}

void CommandLineToolTest::lostOutputIsAFailure()
{
    QFETCH(QStringList, arguments);
    TestEnvironment env;
    const QString project = env.writeFile("a.prj", kGood + "Item New\r\nTitel=B\r\nItem Done\r\n");
    arguments.replaceInStrings(QStringLiteral("%1"), project);
    arguments.replaceInStrings(QStringLiteral("%2"), QStringLiteral(BREKKO_TEST_DATA "/rar/test_read_format_rar.rar"));
    arguments.replaceInStrings(QStringLiteral("%3"), env.path(QStringLiteral("ziel")));
    const Run run = brekko(arguments, [](QProcess &process) { process.setStandardOutputFile("/dev/full"); });
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("Ausgabe konnte nicht geschrieben werden")), qPrintable(run.err));
}

// Without a display, too: the usage, not the window or Qt's platform error.
void CommandLineToolTest::unknownOptionGetsTheUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("alone") << QStringList{"--bogus"};
    QTest::newRow("after a file") << QStringList{"katalog.prj", "--bogus"};
}

void CommandLineToolTest::unknownOptionGetsTheUsage()
{
    QFETCH(QStringList, arguments);
    const Run run = brekko(arguments, [](QProcess &process) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        process.setProcessEnvironment(environment);
    });
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith(QStringLiteral("Aufruf: brekko")), qPrintable(run.err));
}

void CommandLineToolTest::statsFormatsAsTheWindow()
{
    TestEnvironment env;
    const QString project = env.writeFile("z.prj", kGood
                                                       + "Item New\r\nTitel=B\r\nKommentar=eins\r\n"
                                                         "Befehl=1,ab\r\nItem Done\r\nItem New\r\nTitel=C\r\n"
                                                         "Kommentar=drei\r\nItem Done\r\n");
    const Run run = brekko({"--stats", project});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.endsWith(QStringLiteral("Befehl:\n  Zeichenanzahl: 2\n  Durchschnittliche Zeichenanzahl: 0,67\n")),
             qPrintable(run.out));
}

BREKKO_TEST_MAIN(CommandLineToolTest)
#include "CommandLineToolTest.moc"
