#include "CatalogueFixture.h"

#include "TestRegistry.h"
#include "tree/scan/DesktopEntry.h"
#include "tree/scan/FileClassifier.h"

#include <QProcess>
#include <QTest>

// What a file becomes: by name where the name says enough, by content for
// archives, macro files and unknown names; and how launchers are read.
class CatalogueRulesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void classify_data();
    void classify();
    void execWords_data();
    void execWords();
    void commandLine_data();
    void commandLine();
    void desktopEntry_data();
    void desktopEntry();
};

Q_DECLARE_METATYPE(CatalogueKind)

void CatalogueRulesTest::classify_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("proposed");
    QTest::addColumn<CatalogueKind>("kind");
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<bool>("contentRead");

    using namespace CatalogueFixture;
    using K = CatalogueKind;
    QTest::newRow("pdf by name") << "a.pdf" << false << QByteArray("junk") << true << K::Document << "PDF-Dokument"
                                 << false;
    QTest::newRow("office by name, a zip inside") << "b.ODT" << false << zip() << true << K::Document << "" << false;
    QTest::newRow("launcher") << "x.desktop" << false << QByteArray() << true << K::Desktop << "Desktop-Verknüpfung"
                              << false;
    QTest::newRow("exe") << "SETUP.EXE" << false << QByteArray() << true << K::Program << "Windows-Programm" << false;
    QTest::newRow("bat") << "go.bat" << false << QByteArray() << true << K::Program << "Stapelverarbeitungsdatei"
                         << false;
    QTest::newRow("script name, executable")
        << "run.sh" << true << QByteArray() << true << K::Program << "Shell-Skript" << false;
    QTest::newRow("script name, not executable")
        << "run.sh" << false << QByteArray() << true << K::Document << "Shell-Skript" << false;
    QTest::newRow("library by name") << "libx.so" << true << elf(3, false) << false << K::Document << "" << false;
    QTest::newRow("zip renamed") << "daten.bin" << false << zip() << true << K::ZipArchive << "ZIP-Archiv" << true;
    QTest::newRow("rar named zip") << "paket.zip" << false << rar4() << true << K::RarArchive << "RAR-Archiv" << true;
    QTest::newRow("rar5 without suffix") << "sicherung" << false << rar5() << true << K::RarArchive << "RAR-Archiv"
                                         << true;
    QTest::newRow("zip name, other content")
        << "kaputt.zip" << false << QByteArray(64, '\x07') << false << K::Document << "" << true;
    QTest::newRow("macro header on a later line")
        << "m.mkr" << false << QByteArray("; x\n  <TALVOREN V4 MAKRODATEI>\r\n") << true << K::Macro
        << "Brekko-Makrodatei" << true;
    QTest::newRow("elf program") << "tool" << true << elf(2, false) << true << K::Program << "Programm (ELF)" << true;
    QTest::newRow("elf not executable") << "tool" << false << elf(2, false) << false << K::Program << "" << true;
    QTest::newRow("position-independent program")
        << "tool" << true << elf(3, true) << true << K::Program << "Programm (ELF)" << true;
    QTest::newRow("library by a two-part name")
        << "libx.so.1" << true << elf(3, false) << false << K::Program << "" << false;
    QTest::newRow("library without interpreter")
        << "libx" << true << elf(3, false) << false << K::Program << "" << true;
    QTest::newRow("two dots, known last part")
        << "bericht.2024.pdf" << false << QByteArray() << true << K::Document << "PDF-Dokument" << false;
    QTest::newRow("appimage by content") << "App" << true << elf(3, true, true) << true << K::Program
                                         << "AppImage-Programm" << true;
    QTest::newRow("script by content") << "hallo" << true << QByteArray("#!/bin/sh\n") << true << K::Program << "Skript"
                                       << true;
    QTest::newRow("text without suffix") << "LIESMICH" << false << QByteArray("Bitte lesen.\n") << true << K::Document
                                         << "" << true;
    QTest::newRow("picture without suffix") << "bild" << false << png() << true << K::Document << "PNG-Bild" << true;
    QTest::newRow("binary without suffix")
        << "blob" << false << QByteArray("\x00\x01\x02\xff", 4) << false << K::Document << "" << true;
    QTest::newRow("empty without suffix") << "leer" << false << QByteArray() << false << K::Document << "" << true;
}

void CatalogueRulesTest::classify()
{
    QFETCH(QString, name);
    QFETCH(bool, executable);
    QFETCH(QByteArray, content);
    QFETCH(bool, proposed);
    QFETCH(CatalogueKind, kind);
    QFETCH(QString, typeName);
    QFETCH(bool, contentRead);

    FileClassifier classifier;
    int reads = 0;
    const std::optional<FileClass> type = classifier.classify(name, executable, [&] {
        ++reads;
        return content;
    });
    QCOMPARE(reads, contentRead ? 1 : 0);
    QCOMPARE(type.has_value(), proposed);
    if (!type)
        return;
    QCOMPARE(type->kind, kind);
    if (typeName.isEmpty())
        QVERIFY(!type->typeName.isEmpty());
    else
        QCOMPARE(type->typeName, typeName);
}

void CatalogueRulesTest::execWords_data()
{
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("codes alone go") << "app %U --x %f" << QStringList{"app", "--x"};
    QTest::newRow("percent sign kept") << "app 100%%" << QStringList{"app", "100%"};
    QTest::newRow("quoted blanks") << "\"Mein Programm\" \"a b\"" << QStringList{"Mein Programm", "a b"};
    QTest::newRow("escapes in quotes") << R"("say \"hi\"" \$x)" << QStringList{"say \"hi\"", "\\$x"};
    QTest::newRow("code inside a word") << "app --file=%f" << QStringList{"app", "--file="};
    QTest::newRow("only codes") << "%U" << QStringList{};
}

void CatalogueRulesTest::execWords()
{
    QFETCH(QString, exec);
    QFETCH(QStringList, words);
    QCOMPARE(DesktopExecWords(exec), words);
}

void CatalogueRulesTest::commandLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("line");

    QTest::newRow("plain") << "/m/app" << QStringList{"-v", "x"} << "/m/app -v x";
    QTest::newRow("argument with blanks")
        << "/usr/bin/sh" << QStringList{"-c", "java -version"} << "/usr/bin/sh -c \"java -version\"";
    QTest::newRow("argument with a quote") << "app" << QStringList{"say \"hi\""} << "app \"say \"\"\"hi\"\"\"\"";
    QTest::newRow("program with blanks") << "/m/Mein Programm" << QStringList{"-v"} << "/m/Mein Programm";
}

void CatalogueRulesTest::commandLine()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QString, line);
    QCOMPARE(DesktopCommandLine(program, arguments), line);
    if (!program.contains(QLatin1Char(' ')))
        QCOMPARE(QProcess::splitCommand(line), QStringList{program} + arguments);
}

void CatalogueRulesTest::desktopEntry_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("launcher");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("comment");

    QTest::newRow("German wins") << QByteArray("[Desktop Entry]\nName=Tool\nName[de]=Werkzeug\nComment=c\n"
                                               "Comment[de_DE]=Ein\\sWerkzeug\nExec=tool\n")
                                 << true << "Werkzeug"
                                 << "Ein Werkzeug";
    QTest::newRow("generic name as comment")
        << QByteArray("[Desktop Entry]\nName=T\nGenericName=Editor\nExec=t\n") << true << "T"
        << "Editor";
    QTest::newRow("other groups ignored") << QByteArray("[Desktop Action a]\nName=A\nExec=a\n[Desktop Entry]\n"
                                                        "Name=B\nExec=b\n[Desktop Action c]\nName=C\n")
                                          << true << "B"
                                          << "";
    QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nName=T\nExec=t\nHidden=true\n") << false << ""
                            << "";
    QTest::newRow("link") << QByteArray("[Desktop Entry]\nType=Link\nName=T\nURL=http://x\n") << false << ""
                          << "";
    QTest::newRow("no program") << QByteArray("[Desktop Entry]\nName=T\nExec=%f\n") << false << ""
                                << "";
    QTest::newRow("no group") << QByteArray("Name=T\nExec=t\n") << false << ""
                              << "";
}

void CatalogueRulesTest::desktopEntry()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, launcher);
    QFETCH(QString, name);
    QFETCH(QString, comment);

    const std::optional<DesktopEntry> entry = ParseDesktopEntry(text);
    QCOMPARE(entry.has_value(), launcher);
    if (!entry)
        return;
    QCOMPARE(entry->name, name);
    QCOMPARE(entry->comment, comment);
}

BREKKO_TEST_MAIN(CatalogueRulesTest)
#include "CatalogueRulesTest.moc"
