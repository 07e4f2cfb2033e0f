#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "platform/ProfileFile.h"
#include "platform/TextFile.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray kSample = "<Talvoren V4 Ini-Datei>\r\n"
                           "; Kommentar vor den Abschnitten\r\n"
                           "\r\n"
                           "[Hauptfenster]\r\n"
                           "Links=10\r\n"
                           "  Oben = 0x1F  \r\n"
                           "Formel=a=b\r\n"
                           "; Links=99\r\n"
                           "\r\n"
                           "[Tools]\r\n"
                           "1=Editor,edit a=b\r\n";

} // namespace

class ProfileFileTest : public QObject {
    Q_OBJECT

private slots:
    void readsKeysOfAnyCase_data();
    void readsKeysOfAnyCase();
    void integerForms_data();
    void integerForms();
    void writingChangesOnlyItsLine();
    void writingAddsToSectionOrAtEnd();
    void eraseSectionRemovesEveryPart();
    void duplicatesReadTheFirst();
    void savingKeepsTheFileAsItWas_data();
    void savingKeepsTheFileAsItWas();
    void encodingRoundTrip_data();
    void encodingRoundTrip();
    void failedSaveReportsFalse();
    void fullMediumKeepsTheOldFile();
};

void ProfileFileTest::readsKeysOfAnyCase_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("as written") << "Hauptfenster"
                                << "Links"
                                << "10";
    QTest::newRow("other case") << "HAUPTFENSTER"
                                << "links"
                                << "10";
    QTest::newRow("blanks around key and value") << "hauptfenster"
                                                 << "OBEN"
                                                 << "0x1F";
    QTest::newRow("value after the first =") << "Hauptfenster"
                                             << "Formel"
                                             << "a=b";
    QTest::newRow("other section") << "tools"
                                   << "1"
                                   << "Editor,edit a=b";
    QTest::newRow("commented key is no key") << "Tools"
                                             << "Links"
                                             << "<none>";
    QTest::newRow("missing section") << "Baum"
                                     << "Links"
                                     << "<none>";
    QTest::newRow("missing key") << "Hauptfenster"
                                 << "Breite"
                                 << "<none>";
}

void ProfileFileTest::readsKeysOfAnyCase()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    TestEnvironment env;
    const ProfileFile file(env.writeFile(QStringLiteral("a.ini"), kSample));
    QCOMPARE(file.readString(section, key, QStringLiteral("<none>")), expected);
}

void ProfileFileTest::integerForms_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("integer");
    QTest::addColumn<bool>("boolean");

    QTest::newRow("decimal") << QByteArray("42") << 42 << true;
    QTest::newRow("negative") << QByteArray("-5") << -5 << true;
    QTest::newRow("zero") << QByteArray("0") << 0 << false;
    QTest::newRow("hex") << QByteArray("0x1F") << 31 << true;
    QTest::newRow("hex upper X") << QByteArray("0X1f") << 31 << true;
    QTest::newRow("hex zero") << QByteArray("0x0") << 0 << false;
    QTest::newRow("words") << QByteArray("ja") << 77 << true;
    QTest::newRow("trailing junk") << QByteArray("12abc") << 77 << true;
    QTest::newRow("bare 0x") << QByteArray("0x") << 77 << true;
    QTest::newRow("empty") << QByteArray("") << 77 << true;
}

void ProfileFileTest::integerForms()
{
    QFETCH(QByteArray, value);
    QFETCH(int, integer);
    QFETCH(bool, boolean);
    TestEnvironment env;
    const ProfileFile file(env.writeFile(QStringLiteral("a.ini"), "[S]\nKey=" + value + "\n"));
    QCOMPARE(file.readInteger(QStringLiteral("s"), QStringLiteral("key"), 77), integer);
    QCOMPARE(file.readBool(QStringLiteral("s"), QStringLiteral("key"), true), boolean);
}

void ProfileFileTest::writingChangesOnlyItsLine()
{
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("a.ini"), kSample);
    ProfileFile file(path);
    file.writeString(QStringLiteral("HAUPTFENSTER"), QStringLiteral("oben"), QStringLiteral("7"));
    QVERIFY(file.save());

    QByteArray expected = kSample;
    expected.replace("  Oben = 0x1F  ", "Oben=7");
    QCOMPARE(FileBytes(path), expected);
}

void ProfileFileTest::writingAddsToSectionOrAtEnd()
{
    TestEnvironment env;
    ProfileFile file(env.writeFile(QStringLiteral("a.ini"), kSample));
    file.writeInteger(QStringLiteral("Hauptfenster"), QStringLiteral("Breite"), 640);
    file.writeBool(QStringLiteral("Baum"), QStringLiteral("AutoScroll"), false);
    file.writeString(QStringLiteral("baum"), QStringLiteral("SingleExpand"), QStringLiteral("1"));

    const QStringList expected{"<Talvoren V4 Ini-Datei>",
                               "; Kommentar vor den Abschnitten",
                               "",
                               "[Hauptfenster]",
                               "Links=10",
                               "  Oben = 0x1F  ",
                               "Formel=a=b",
                               "; Links=99",
                               "Breite=640",
                               "",
                               "[Tools]",
                               "1=Editor,edit a=b",
                               "",
                               "[Baum]",
                               "AutoScroll=0",
                               "SingleExpand=1"};
    QCOMPARE(file.lines(), expected);
    QCOMPARE(file.readInteger(QStringLiteral("hauptfenster"), QStringLiteral("breite"), 0), 640);
}

void ProfileFileTest::eraseSectionRemovesEveryPart()
{
    TestEnvironment env;
    ProfileFile file(env.writeFile(QStringLiteral("a.ini"), "[Tools]\n1=a,b\n[Baum]\nx=1\n[tools]\n2=c,d\n"));
    file.eraseSection(QStringLiteral("TOOLS"));
    QCOMPARE(file.lines(), QStringList({"[Baum]", "x=1"}));
    file.writeString(QStringLiteral("Tools"), QStringLiteral("1"), QStringLiteral("e,f"));
    QCOMPARE(file.lines(), QStringList({"[Baum]", "x=1", "", "[Tools]", "1=e,f"}));
}

void ProfileFileTest::duplicatesReadTheFirst()
{
    TestEnvironment env;
    ProfileFile file(env.writeFile(QStringLiteral("a.ini"), "[Baum]\nx=1\nX=2\n[Tools]\n1=a\n[baum]\nx=3\ny=4\n"));
    QCOMPARE(file.readString(QStringLiteral("baum"), QStringLiteral("x"), {}), QStringLiteral("1"));
    QCOMPARE(file.readString(QStringLiteral("baum"), QStringLiteral("y"), {}), QStringLiteral("4"));
    file.writeString(QStringLiteral("BAUM"), QStringLiteral("y"), QStringLiteral("5"));
    file.writeString(QStringLiteral("Baum"), QStringLiteral("z"), QStringLiteral("6"));
    QCOMPARE(file.lines(), QStringList({"[Baum]", "x=1", "X=2", "z=6", "[Tools]", "1=a", "[baum]", "x=3", "y=5"}));
}

// Writing one key changes that line only: every other byte, line breaks and
// encoding included, and the file's mode stay.
void ProfileFileTest::savingKeepsTheFileAsItWas_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("LF") << QByteArray("; Notiz\n[Baum]\nx=1\n") << 0644
                        << QByteArray("; Notiz\n[Baum]\nx=1\nNeu=\xE4\n");
    QTest::newRow("mixed breaks, none at the end") << QByteArray("[Baum]\r\nx=1\ny=2\r[Tools]\r\n1=a") << 0644
                                                   << QByteArray("[Baum]\r\nx=1\ny=2\rNeu=\xE4\r\n[Tools]\r\n1=a");
    QTest::newRow("UTF-8 without BOM") << QByteArray("[Baum]\nName=Gr\xC3\xB6\xC3\x9F\x65\n") << 0644
                                       << QByteArray("[Baum]\nName=Gr\xC3\xB6\xC3\x9F\x65\nNeu=\xC3\xA4\n");
    const QByteArray utf16 = QByteArray("\xFF\xFE[\0B\0a\0u\0m\0]\0\n\0", 16);
    QTest::newRow("UTF-16 with BOM") << utf16 << 0644 << utf16 + QByteArray("N\0e\0u\0=\0\xE4\0\n\0", 12);
    QTest::newRow("read-only, saved by root")
        << QByteArray("[Baum]\r\n") << 0444 << QByteArray("[Baum]\r\nNeu=\xE4\r\n");
}

void ProfileFileTest::savingKeepsTheFileAsItWas()
{
    QFETCH(QByteArray, before);
    QFETCH(int, mode);
    QFETCH(QByteArray, after);
    if (mode == 0444 && ::geteuid() != 0)
        QSKIP("only root replaces a read-only file");
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("a.ini"), before);
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
    ProfileFile file(path);
    file.writeString(QStringLiteral("baum"), QStringLiteral("Neu"), QStringLiteral("ä"));
    QVERIFY(file.save());
    QCOMPARE(FileBytes(path), after);
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 07777), mode);
}

void ProfileFileTest::encodingRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("stored");

    QTest::newRow("umlauts fit the 8-bit code page") << QStringLiteral("Größe ändern")
                                                     << QByteArray("[Dateien]\r\nName=Gr\xF6\xDF"
                                                                   "e \xE4ndern\r\n");
    QTest::newRow("other characters as UTF-8 with BOM")
        << QStringLiteral("Łódź") << QByteArray("\xEF\xBB\xBF[Dateien]\r\nName=\xC5\x81\xC3\xB3\x64\xC5\xBA\r\n");
    QTest::newRow("code-page bytes that would read as UTF-8")
        << QStringLiteral("Ã¤") << QByteArray("\xEF\xBB\xBF[Dateien]\r\nName=\xC3\x83\xC2\xA4\r\n");
}

void ProfileFileTest::encodingRoundTrip()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, stored);
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("neu.ini"));
    ProfileFile file;
    file.writeString(QStringLiteral("Dateien"), QStringLiteral("Name"), value);
    QVERIFY(file.saveAs(path));
    QCOMPARE(FileBytes(path), stored);
    QCOMPARE(ProfileFile(path).readString(QStringLiteral("dateien"), QStringLiteral("name"), {}), value);
}

void ProfileFileTest::failedSaveReportsFalse()
{
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("a.ini"), kSample);
    ProfileFile file(path);
    file.writeString(QStringLiteral("Baum"), QStringLiteral("x"), QStringLiteral("1"));
    QVERIFY(!file.saveAs(env.path(QStringLiteral("kein/ordner/a.ini"))));
    QCOMPARE(FileBytes(path), kSample);
}

void ProfileFileTest::fullMediumKeepsTheOldFile()
{
    ScratchMount medium(64);
    REQUIRE_MOUNT(medium);
    const QString path = medium.path(QStringLiteral("Brekko.ini"));
    ProfileFile file;
    file.writeString(QStringLiteral("Baum"), QStringLiteral("x"), QStringLiteral("1"));
    QVERIFY(file.saveAs(path));
    const QByteArray old = FileBytes(path);
    medium.fill();
    file.writeString(QStringLiteral("Baum"), QStringLiteral("lang"), QString(20000, QLatin1Char('y')));
    QVERIFY(!file.save());
    QCOMPARE(FileBytes(path), old);
}

BREKKO_TEST_MAIN(ProfileFileTest)
#include "ProfileFileTest.moc"
