#include "commands/MacroFile.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"
#include "common/MsgBox.h"

#include <QFile>
#include <QTest>

namespace {

const QByteArray header = "<Talvoren V4 Makrodatei>\r\n";

} // namespace

class MacroFileTest : public QObject {
    Q_OBJECT

private slots:
    void init() { MacroFile::resetReportingSwitch(); }

    void acceptedFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("header on line 5") << QByteArray("; a\r\n; b\r\n\r\nxy\r\n" + header + "RUN prog.exe\r\n");
        QTest::newRow("header in other case, blanks around")
            << QByteArray("  <talvoren v4 MAKRODATEI>\t \r\nOPN x\r\n");
        QTest::newRow("bare TST with trailing blanks") << QByteArray(header + "TST   \r\nTST\r\n");
        QTest::newRow("tst1 without blank") << QByteArray(header + "tst1\r\n");
        QTest::newRow("reserved words and unknown words")
            << QByteArray(header + "RUN a\r\nMAN b\r\nCPY c\r\nMKD d\r\nEDT e\r\nOPN f\r\nXYZ whatever\r\n");
        QTest::newRow("last line without line break") << QByteArray(header + "TST 1");
    }

    void acceptedFiles()
    {
        QFETCH(QByteArray, content);
        TestEnvironment env;
        MsgBoxRecorder recorder;
        RunMacroFile(env.writeFile(QStringLiteral("m.mkr"), content));
        QCOMPARE(recorder.count(), 0);
        QVERIFY(MacroFile::reportingSwitch());
    }

    void incompleteTstPromptsWithLineNumber()
    {
        TestEnvironment env;
        const QString file =
            env.writeFile(QStringLiteral("m.mkr"), header + "a\r\n\r\nRUN x\r\n  \r\nMAN y\r\n" + "TST 2\r\nTST 3\r\n");
        MsgBoxRecorder recorder;
        recorder.answer(MsgBox::ResultNo);
        RunMacroFile(file);
        QCOMPARE(recorder.count(), 1);
        const MsgBox::Request &box = recorder.last();
        QCOMPARE(box.caption, QStringLiteral("Makro-Syntaxfehler in Zeile 7:"));
        QCOMPARE(box.text, QStringLiteral("Makrobefehl TST wurde unvollständig angegeben.\rMakro fortsetzen ?"));
        QCOMPARE(box.icon, int(MsgBox::Error));
        QCOMPARE(box.sound, int(MsgBox::ErrorBeep));
        QCOMPARE(box.buttons, MsgBox::Yes | MsgBox::No | MsgBox::Help);
        QCOMPARE(box.helpContext, 23000);
    }

    void yesContinuesWithNextLine()
    {
        TestEnvironment env;
        const QString file = env.writeFile(QStringLiteral("m.mkr"), header + "TST x\r\ntst 1 2\r\n");
        MsgBoxRecorder recorder;
        recorder.answer(MsgBox::ResultYes);
        recorder.answer(MsgBox::ResultYes);
        RunMacroFile(file);
        QCOMPARE(recorder.count(), 2);
        QCOMPARE(recorder.boxes().at(0).caption, QStringLiteral("Makro-Syntaxfehler in Zeile 2:"));
        QCOMPARE(recorder.boxes().at(1).caption, QStringLiteral("Makro-Syntaxfehler in Zeile 3:"));
    }

    void switchKeepsItsValueAcrossRuns()
    {
        TestEnvironment env;
        const QString off = env.writeFile(QStringLiteral("off.mkr"), header + "TST 0\r\nTST x\r\n");
        const QString bad = env.writeFile(QStringLiteral("bad.mkr"), header + "TST x\r\n");
        const QString on = env.writeFile(QStringLiteral("on.mkr"), header + "TST1\r\n");
        MsgBoxRecorder recorder;
        RunMacroFile(off);
        QVERIFY(!MacroFile::reportingSwitch());
        RunMacroFile(bad);
        QCOMPARE(recorder.count(), 0);
        RunMacroFile(on);
        QVERIFY(MacroFile::reportingSwitch());
        recorder.answer(MsgBox::ResultNo);
        RunMacroFile(bad);
        QCOMPARE(recorder.count(), 1);
    }

    void invalidFiles_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QStringLiteral("Makros/Fehlt.MKR") << QByteArray();
        QTest::newRow("no header") << QStringLiteral("Makros/Ohne.mkr") << QByteArray("TST 2\r\n");
        QTest::newRow("project header") << QStringLiteral("Makros/Prj.mkr")
                                        << QByteArray("<Talvoren V4 Projektdatei>\r\nTST 2\r\n");
        QTest::newRow("header with text after it")
            << QStringLiteral("Makros/Lang.mkr") << QByteArray("<Talvoren V4 Makrodatei> x\r\nTST 2\r\n");
    }

    void invalidFiles()
    {
        QFETCH(QString, relative);
        QFETCH(QByteArray, content);
        TestEnvironment env;
        const QString file = content.isEmpty() ? env.path(relative) : env.writeFile(relative, content);
        MsgBoxRecorder recorder;
        recorder.answer(MsgBox::ResultOk);
        RunMacroFile(file);
        QCOMPARE(recorder.count(), 1);
        const MsgBox::Request &box = recorder.last();
        QCOMPARE(box.caption, QStringLiteral("Fehler: Ungültige Makrodatei..."));
        QCOMPARE(box.text, QStringLiteral("Die angegebene Datei\r\"") + file
                               + QStringLiteral("\"\rist keine gültige Brekko-Makrodatei."));
        QCOMPARE(box.icon, int(MsgBox::Error));
        QCOMPARE(box.buttons, MsgBox::Ok | MsgBox::Help);
        QCOMPARE(box.helpContext, 80540);
    }

    void unreadableFileIsRefused()
    {
        TestEnvironment env;
        const QString file = env.writeFile(QStringLiteral("m.mkr"), header + "TST 2\r\n");
        QFile::setPermissions(file, QFileDevice::WriteOwner);
        if (QFile(file).open(QIODevice::ReadOnly))
            QSKIP("running with rights that read any file");
        MsgBoxRecorder recorder;
        recorder.answer(MsgBox::ResultOk);
        RunMacroFile(file);
        QCOMPARE(recorder.count(), 1);
        QCOMPARE(recorder.last().caption, QStringLiteral("Fehler: Ungültige Makrodatei..."));
    }
};

BREKKO_TEST_MAIN(MacroFileTest)
#include "MacroFileTest.moc"
