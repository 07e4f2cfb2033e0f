#include "LauncherRecorder.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "commands/CommandActions.h"
#include "commands/ExecuteCommandLine.h"
#include "common/AppContext.h"

#include <QTest>

class ExecuteCommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void splitsProgramAndParameters_data();
    void splitsProgramAndParameters();
    void failureTexts_data();
    void failureTexts();
    void failureShownOnlyWhenAsked();
    void warnsBeforeDoubtfulLines_data();
    void warnsBeforeDoubtfulLines();
    void expandsOnTheProjectDrive();
    void goingAheadNamesWhatIsMissing_data();
    void goingAheadNamesWhatIsMissing();
    void fieldHint_data();
    void fieldHint();
};

void ExecuteCommandLineTest::splitsProgramAndParameters_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("parameters");
    QTest::addColumn<QString>("folder");

    QTest::newRow("existing file with blanks is one program") << "@/tools/my packer.sh"
                                                              << "my packer.sh"
                                                              << ""
                                                              << "@/tools/";
    QTest::newRow("program and parameter") << "@/tools/packer.sh @/data/list.txt"
                                           << "packer.sh"
                                           << " @/data/list.txt"
                                           << "@/tools/";
    QTest::newRow("missing file with blanks is split at the first blank") << "@/tools/my missing.sh -x"
                                                                          << "my"
                                                                          << " missing.sh -x"
                                                                          << "@/tools/";
    QTest::newRow("bare name has no folder") << "editor -q  file"
                                             << "editor"
                                             << " -q  file"
                                             << "";
    QTest::newRow("outer blanks are trimmed") << "  editor  "
                                              << "editor"
                                              << ""
                                              << "";
    QTest::newRow("stored separators become the file system's") << "@\\tools\\packer.sh"
                                                                << "packer.sh"
                                                                << ""
                                                                << "@/tools/";
    QTest::newRow("existing folder with blanks is one target") << "@/my folder"
                                                               << "my folder"
                                                               << ""
                                                               << "@/";
}

void ExecuteCommandLineTest::splitsProgramAndParameters()
{
    QFETCH(QString, line);
    QFETCH(QString, file);
    QFETCH(QString, parameters);
    QFETCH(QString, folder);
    TestEnvironment env;
    env.writeFile(QStringLiteral("tools/my packer.sh"), "#!/bin/sh\n");
    env.writeFile(QStringLiteral("tools/packer.sh"), "#!/bin/sh\n");
    env.writeFile(QStringLiteral("data/list.txt"), "x\n");
    env.makeFolder(QStringLiteral("my folder"));
    const auto here = [&env](QString text) { return text.replace(QLatin1Char('@'), env.root()); };
    LauncherRecorder launcher;

    QString errorText = QStringLiteral("stale");
    QVERIFY(ExecuteCommandLine(here(line), true, errorText));
    QVERIFY(errorText.isEmpty());
    QCOMPARE(launcher.count(), 1);
    QCOMPARE(launcher.last().file, file);
    QCOMPARE(launcher.last().parameters, here(parameters));
    QCOMPARE(launcher.last().folder, here(folder));
}

void ExecuteCommandLineTest::failureTexts_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");
    const QString unknown = QStringLiteral("Unbekannter Fehler. Aktion konnte nicht durchgeführt werden.");
    QTest::newRow("0") << 0 << "Nicht genügend freier Speicher bzw. freie Resourcen.";
    QTest::newRow("1") << 1 << unknown;
    QTest::newRow("2") << 2 << "Datei konnte nicht gefunden werden.";
    QTest::newRow("25") << 25 << unknown;
    QTest::newRow("31") << 31 << "Dieser Dateierweiterung ist kein Programm zugeordnet.";
    QTest::newRow("32") << 32 << "Die spezifizierte Dynamik-Link-Library konnte nicht gefunden werden.";
    QTest::newRow("33 is success") << 33 << "";
}

void ExecuteCommandLineTest::failureTexts()
{
    QFETCH(int, result);
    QFETCH(QString, text);
    LauncherRecorder launcher;
    launcher.setResult(result);
    MsgBoxRecorder boxes;
    if (!text.isEmpty())
        boxes.answer(MsgBox::ResultOk);

    QString errorText;
    QCOMPARE(ExecuteCommandLine(QStringLiteral("/Some/Program -X"), true, errorText), text.isEmpty());
    QCOMPARE(errorText, text);
    if (text.isEmpty()) {
        QCOMPARE(boxes.count(), 0);
        return;
    }
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Konnte Datei nicht ausführen..."));
    QCOMPARE(boxes.last().text, text + QStringLiteral("\rDateiangabe: \"/Some/Program -X\""));
    QCOMPARE(boxes.last().icon, int(MsgBox::Error));
    QCOMPARE(boxes.last().sound, int(MsgBox::ErrorBeep));
    QCOMPARE(boxes.last().buttons, MsgBox::Ok | MsgBox::Help);
    QCOMPARE(boxes.last().helpContext, 80280);
}

void ExecuteCommandLineTest::failureShownOnlyWhenAsked()
{
    LauncherRecorder launcher;
    launcher.setResult(Launcher::FileNotFound);
    MsgBoxRecorder boxes;
    QString errorText;
    QVERIFY(!ExecuteCommandLine(QStringLiteral("nowhere"), false, errorText));
    QCOMPARE(errorText, QStringLiteral("Datei konnte nicht gefunden werden."));
    QCOMPARE(boxes.count(), 0);
}

void ExecuteCommandLineTest::warnsBeforeDoubtfulLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("warning");
    QTest::newRow("empty") << "   "
                           << "Die angegebene Befehlszeile ist leer und folglich kann auch keine Datei ausgeführt "
                              "werden.";
    QTest::newRow("one word naming nothing") << "nirgends.exe"
                                             << "Keine Datei angegeben oder die Datei konnte nicht gefunden werden.";
    QTest::newRow("unresolvable drive-independent word")
        << "/q \\missing\\x.txt"
        << "Befehlszeile wurde unvollständig erweitert zu:\r\"/q \\missing\\x.txt\"";
}

void ExecuteCommandLineTest::warnsBeforeDoubtfulLines()
{
    QFETCH(QString, text);
    QFETCH(QString, warning);
    TestEnvironment env;
    LauncherRecorder launcher;
    MsgBoxRecorder boxes;

    boxes.answer(MsgBox::ResultNo);
    QVERIFY(!CommandActions::execute(text));
    QCOMPARE(launcher.count(), 0);
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Warnung: Kann Befehlszeile womöglich nicht ausführen..."));
    QCOMPARE(boxes.last().text, warning + QStringLiteral("\rTrotzdem versuchen die Befehlszeile auszuführen ?"));
    QCOMPARE(boxes.last().icon, int(MsgBox::Warning));
    QCOMPARE(boxes.last().sound, int(MsgBox::ExclamationBeep));
    QCOMPARE(boxes.last().buttons, MsgBox::Yes | MsgBox::No | MsgBox::Help);
    QCOMPARE(boxes.last().helpContext, 80290);

    boxes.answer(MsgBox::ResultYes);
    QVERIFY(CommandActions::execute(text));
    QCOMPARE(launcher.count(), 1);
}

// A program and a parameter written drive-independent run from the drive of
// the project file, not of the program.
void ExecuteCommandLineTest::expandsOnTheProjectDrive()
{
    TestEnvironment env;
    const QString drive = env.addVolume(QStringLiteral("stick"));
    env.writeFile(QStringLiteral("stick/tools/packer.sh"), "#!/bin/sh\n");
    env.writeFile(QStringLiteral("stick/data/list.txt"), "x\n");
    env.writeFile(QStringLiteral("program/tools/packer.sh"), "#!/bin/sh\n");
    AppContext::setProjectFileName(drive + QStringLiteral("/catalogue.prj"));
    LauncherRecorder launcher;
    MsgBoxRecorder boxes;

    QVERIFY(CommandActions::execute(QStringLiteral("\\tools\\packer.sh \\data\\list.txt")));
    QCOMPARE(boxes.count(), 0);
    QCOMPARE(launcher.last().file, QStringLiteral("packer.sh"));
    QCOMPARE(launcher.last().folder, drive + QStringLiteral("/tools/"));
    QCOMPARE(launcher.last().parameters, QLatin1Char(' ') + drive + QStringLiteral("/data/list.txt"));
}

void ExecuteCommandLineTest::goingAheadNamesWhatIsMissing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("failure");
    QTest::addColumn<QString>("passedOn");
    const QString noFile = QStringLiteral("Datei konnte nicht gefunden werden.");
    QTest::newRow("missing program in a folder that exists")
        << "\\werkzeuge\\fehlt.sh" << noFile << "@/werkzeuge/fehlt.sh";
    QTest::newRow("missing folder") << "\\nirgends\\fehlt.sh"
                                    << QStringLiteral("Verzeichnis konnte nicht gefunden werden.")
                                    << "@/nirgends/fehlt.sh";
    QTest::newRow("missing program and parameter")
        << "\\werkzeuge\\fehlt.sh  \\daten\\liste.txt -v" << noFile << "@/werkzeuge/fehlt.sh @/daten/liste.txt -v";
    QTest::newRow("missing program, parameter found")
        << "\\werkzeuge\\fehlt.sh \\werkzeuge" << noFile << "@/werkzeuge/fehlt.sh @/werkzeuge";
}

// After "Ja" to the warning the start gets the line placed on the project's
// drive, so the failure tells a missing file from a missing folder.
void ExecuteCommandLineTest::goingAheadNamesWhatIsMissing()
{
    QFETCH(QString, text);
    QFETCH(QString, failure);
    QFETCH(QString, passedOn);
    TestEnvironment env;
    const QString drive = env.addVolume(QStringLiteral("stick"));
    env.makeFolder(QStringLiteral("stick/werkzeuge"));
    AppContext::setProjectFileName(drive + QStringLiteral("/catalogue.prj"));
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultYes);
    boxes.answer(MsgBox::ResultOk);

    QVERIFY(!CommandActions::execute(text));
    QCOMPARE(boxes.count(), 2);
    QCOMPARE(boxes.last().text, failure + QStringLiteral("\rDateiangabe: \"")
                                    + passedOn.replace(QLatin1Char('@'), drive) + QLatin1Char('"'));
}

void ExecuteCommandLineTest::fieldHint_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");
    QTest::newRow("file") << "\\Tools\\Packer.sh"
                          << "Datei: @/Tools/Packer.sh";
    QTest::newRow("folder") << "\\Tools"
                            << "Verzeichnis: @/Tools";
    QTest::newRow("words") << "\\Tools\\Packer.sh -x"
                           << "Parameterangabe: @/Tools/Packer.sh -x";
    QTest::newRow("empty") << ""
                           << "Befehlszeile ist leer...";
    QTest::newRow("nothing") << "\\nowhere"
                             << "Datei oder Verzeichnis nicht gefunden...";
    QTest::newRow("missing word") << "a \\nowhere"
                                  << "Parameterangabe unverständlich...";
}

void ExecuteCommandLineTest::fieldHint()
{
    QFETCH(QString, text);
    QFETCH(QString, hint);
    TestEnvironment env;
    const QString drive = env.addVolume(QStringLiteral("stick"));
    env.writeFile(QStringLiteral("stick/Tools/Packer.sh"), "#!/bin/sh\n");
    AppContext::setProjectFileName(drive + QStringLiteral("/catalogue.prj"));
    QCOMPARE(CommandActions::fieldHint(text), hint.replace(QLatin1Char('@'), drive));
}

BREKKO_TEST_MAIN(ExecuteCommandLineTest)
#include "ExecuteCommandLineTest.moc"
