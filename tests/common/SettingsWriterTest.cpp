#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/settings/SettingsReader.h"
#include "common/settings/SettingsTable.h"
#include "common/settings/SettingsWriter.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <functional>
#include <memory>

using Change = std::function<void(Settings &)>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(Settings)
Q_DECLARE_METATYPE(QList<ToolItem>)

namespace {

const QByteArray kHeader = "<Talvoren V4 Ini-Datei>\r\n";
const QByteArray kFilesKeys = "[Dateien]\r\nProjektdatei=\r\nMakrodatei=\r\nHilfedatei=Brekko.hlp\r\n";
const QByteArray kToolsSection = "[Tools]\r\n; Werkzeuge\r\n1=A,a\r\n2=Ohne Komma\r\n3=B,b\r\n5=Nach Luecke,x\r\n";

// "Section/Key" of every key whose values differ.
QStringList differences(const Settings &a, const Settings &b)
{
    QStringList keys;
    for (const SettingKey &key : SettingsTable()) {
        if (key.differs(a, b))
            keys.append(key.section + QLatin1Char('/') + key.key);
    }
    return keys;
}

// "Section/Key" of every key line of file, in file order.
QStringList keysIn(const ProfileFile &file)
{
    QStringList keys;
    QString section;
    for (const QString &line : file.lines()) {
        if (line.startsWith(QLatin1Char('[')))
            section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
        else if (line.contains(QLatin1Char('=')))
            keys.append(section + QLatin1Char('/') + line.left(line.indexOf(QLatin1Char('='))));
    }
    return keys;
}

// A value other than the default in every key, each within what reading
// accepts, with the forms' awkward cases.
Settings everythingChanged()
{
    Settings s;
    s.left = 10;
    s.top = 20;
    s.width = 800;
    s.height = 600;
    s.centred = false;
    s.windowState = 2;
    s.commentPanelHeight = 0;
    s.toolbarPlaces[0] = {5, 6, 0, 12};
    s.toolbarPlaces[2] = {0, 3, -1, 4};
    s.toolbarHidden[1] = true;
    s.commentPanelHidden = s.commandPanelHidden = s.statusBarHidden = true;
    s.singleExpand = true;
    s.autoScroll = false;
    s.projectFile = QStringLiteral("/home/Ann/Mein Katalog.PRJ");
    s.macroFile = QStringLiteral("\\Makros\\Start.mkr");
    s.helpFile.clear();
    s.makeBackup = false;
    s.backupExtension = QStringLiteral(".bak");
    s.titleArea = {false, QStringLiteral("- ")};
    s.commentArea = {true, QStringLiteral("  Bemerkung: ")};
    s.commandArea = {true, QString()};
    s.customPageWidth = 0;
    s.customPageHeight = 50;
    s.fileManagerState = 1;
    s.fileManagerViewStyle = 1;
    s.tools = {{QStringLiteral("Editor"), QStringLiteral("edit a,b=c")},
               {QStringLiteral("Nur Name"), QString()},
               {QStringLiteral("Größe"), QStringLiteral("du -sh")}};
    return s;
}

} // namespace

class SettingsWriterTest : public QObject {
    Q_OBJECT

private slots:
    void readBackAsWritten_data();
    void readBackAsWritten();
    void writesChangedKeysWithTheirGroup_data();
    void writesChangedKeysWithTheirGroup();
    void otherLinesStayAndNewKeysFollowTheTable();
    void toolsSectionRewrittenWithoutGaps_data();
    void toolsSectionRewrittenWithoutGaps();
    void saveMakesTheFileAnewWhenNeeded_data();
    void saveMakesTheFileAnewWhenNeeded();
    void failedSaveKeepsTheOldFile_data();
    void failedSaveKeepsTheOldFile();
    void newFileGoesWhereTheNextStartFindsIt();
    void installedDefaultsAreCopiedToTheUsersFile_data();
    void installedDefaultsAreCopiedToTheUsersFile();
};

void SettingsWriterTest::readBackAsWritten_data()
{
    QTest::addColumn<Settings>("before");
    QTest::addColumn<Settings>("after");
    QTest::newRow("defaults to every key changed") << Settings() << everythingChanged();
    QTest::newRow("every key changed back to the defaults") << everythingChanged() << Settings();
}

// The file starts as the reader saw before; after writing, reading gives
// after again.
void SettingsWriterTest::readBackAsWritten()
{
    QFETCH(Settings, before);
    QFETCH(Settings, after);
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("Brekko.ini"), kHeader);
    ProfileFile file(path);
    WriteChangedSettings(file, Settings(), before);
    WriteChangedSettings(file, before, after);
    QVERIFY(file.save());
    QCOMPARE(differences(ReadSettings(path), after), QStringList());
}

void SettingsWriterTest::writesChangedKeysWithTheirGroup_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QStringList>("written");
    const QStringList files{"Dateien/Projektdatei", "Dateien/Makrodatei", "Dateien/Hilfedatei"};

    QTest::newRow("nothing changed: the file names only") << Change([](Settings &) {}) << files;
    QTest::newRow("hidden toolbar: both of its keys")
        << Change([](Settings &s) { s.toolbarHidden[1] = true; })
        << QStringList{"Felder/Position Toolbar \"Bearbeiten\"", "Felder/Toolbar \"Bearbeiten\" ausgeblendet"} + files;
    QTest::newRow("toolbar docked elsewhere: both of its keys")
        << Change([](Settings &s) { s.toolbarPlaces[2].dockedTo = 6; })
        << QStringList{"Felder/Position Toolbar \"Extras\"", "Felder/Toolbar \"Extras\" ausgeblendet"} + files;
    QTest::newRow("separator only") << Change([](Settings &s) { s.commentArea.separator = QStringLiteral(";"); })
                                    << files + QStringList{"Export/Feldbereich Kommentar"};
    QTest::newRow("tools in another order")
        << Change([](Settings &s) { std::swap(s.tools[0], s.tools[1]); }) << files + QStringList{"Tools/1", "Tools/2"};
}

void SettingsWriterTest::writesChangedKeysWithTheirGroup()
{
    QFETCH(Change, change);
    QFETCH(QStringList, written);
    Settings current;
    current.tools = {{QStringLiteral("A"), QStringLiteral("a")}, {QStringLiteral("B"), QStringLiteral("b")}};
    Settings edited = current;
    change(edited);
    ProfileFile file;
    WriteChangedSettings(file, current, edited);
    QCOMPARE(keysIn(file), written);
}

void SettingsWriterTest::otherLinesStayAndNewKeysFollowTheTable()
{
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("Brekko.ini"), "; von Hand\r\n"
                                                                     "[Baum]\r\n"
                                                                     "autoscroll = 1\r\n"
                                                                     "Unbekannt=bleibt\r\n"
                                                                     "<Talvoren V4 Ini-Datei>\r\n"
                                                                     "[Dateien]\r\n"
                                                                     "Projektdatei=alt.prj\r\n");
    Settings current = ReadSettings(path);
    Settings edited = current;
    edited.fileManagerViewStyle = 4;
    edited.autoScroll = false;
    edited.commentPanelHidden = true;
    edited.left = 5;
    ProfileFile file(path);
    WriteChangedSettings(file, current, edited);
    QVERIFY(file.save());
    QCOMPARE(FileBytes(path), QByteArray("; von Hand\r\n"
                                         "[Baum]\r\n"
                                         "autoscroll=0\r\n"
                                         "Unbekannt=bleibt\r\n"
                                         "<Talvoren V4 Ini-Datei>\r\n"
                                         "[Dateien]\r\n"
                                         "Projektdatei=alt.prj\r\n"
                                         "Makrodatei=\r\n"
                                         "Hilfedatei=Brekko.hlp\r\n"
                                         "\r\n"
                                         "[Hauptfenster]\r\n"
                                         "Links=5\r\n"
                                         "\r\n"
                                         "[Felder]\r\n"
                                         "Kommentarfeld ausgeblendet=1\r\n"
                                         "\r\n"
                                         "[Dateimanager]\r\n"
                                         "ViewStyle=4\r\n"));
}

void SettingsWriterTest::toolsSectionRewrittenWithoutGaps_data()
{
    QTest::addColumn<QList<ToolItem>>("tools");
    QTest::addColumn<QByteArray>("tail"); // what follows the file names

    QTest::newRow("unchanged list leaves the section as it was")
        << QList<ToolItem>{{"A", "a"}, {"B", "b"}} << kToolsSection;
    QTest::newRow("empty rows skipped, numbers without gaps")
        << QList<ToolItem>{{"B", "b"}, {"", ""}, {"Nur Name", ""}, {"", "nur-befehl"}, {"A", "a"}}
        << QByteArray("\r\n[Tools]\r\n1=B,b\r\n2=Nur Name,\r\n3=,nur-befehl\r\n4=A,a\r\n");
    QTest::newRow("every tool removed") << QList<ToolItem>{} << QByteArray();
}

void SettingsWriterTest::toolsSectionRewrittenWithoutGaps()
{
    QFETCH(QList<ToolItem>, tools);
    QFETCH(QByteArray, tail);
    TestEnvironment env;
    const QString path = env.writeFile(QStringLiteral("Brekko.ini"), kHeader + kFilesKeys + kToolsSection);
    const Settings current = ReadSettings(path);
    Settings edited = current;
    edited.tools = tools;
    ProfileFile file(path);
    WriteChangedSettings(file, current, edited);
    QVERIFY(file.save());
    QCOMPARE(FileBytes(path), kHeader + kFilesKeys + tail);
}

void SettingsWriterTest::saveMakesTheFileAnewWhenNeeded_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: no file
    QTest::addColumn<QByteArray>("expected");
    const QByteArray written = kHeader + "\r\n[Hauptfenster]\r\nLinks=7\r\n\r\n" + kFilesKeys;
    QTest::newRow("missing file") << QByteArray() << written;
    QTest::newRow("file without header is replaced") << QByteArray("[Baum]\r\nAutoScroll=0\r\n") << written;
    QTest::newRow("settings file is kept")
        << QByteArray("[Hauptfenster]\r\nLinks=1\r\n" + kHeader)
        << QByteArray("[Hauptfenster]\r\nLinks=7\r\n" + kHeader + "\r\n" + kFilesKeys);
}

void SettingsWriterTest::saveMakesTheFileAnewWhenNeeded()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expected);
    TestEnvironment env;
    const QString path = env.path(QStringLiteral("daten/Brekko.ini"));
    if (!content.isEmpty())
        env.writeFile(QStringLiteral("daten/Brekko.ini"), content);
    const Settings current;
    Settings edited = current;
    edited.left = 7;
    const SettingsSave save = SaveSettings(path, current, edited);
    QCOMPARE(int(save.result), int(SettingsSaveResult::Saved));
    QCOMPARE(save.fileName, path);
    QCOMPARE(FileBytes(path), expected);
}

void SettingsWriterTest::failedSaveKeepsTheOldFile_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("result");
    QTest::newRow("full medium") << false << true << int(SettingsSaveResult::NotWritten);
    QTest::newRow("read-only medium") << true << true << int(SettingsSaveResult::NotWritten);
    QTest::newRow("read-only medium, no file yet") << true << false << int(SettingsSaveResult::NotCreated);
}

void SettingsWriterTest::failedSaveKeepsTheOldFile()
{
    QFETCH(bool, readOnly);
    QFETCH(bool, present);
    QFETCH(int, result);
    TestEnvironment env;
    const QByteArray old = kHeader + "[Hauptfenster]\r\nLinks=1\r\n";
    env.makeFolder(QStringLiteral("medium"));
    if (present)
        env.writeFile(QStringLiteral("medium/Brekko.ini"), old);
    const std::unique_ptr<ScratchMount> medium =
        readOnly ? std::make_unique<ScratchMount>(env.path(QStringLiteral("medium")))
                 : std::make_unique<ScratchMount>(64);
    REQUIRE_MOUNT(*medium);
    const QString path = medium->path(QStringLiteral("Brekko.ini"));
    if (!readOnly) {
        QFile::copy(env.path(QStringLiteral("medium/Brekko.ini")), path);
        medium->fill();
    }
    Settings edited;
    edited.left = 2;
    QCOMPARE(int(SaveSettings(path, Settings(), edited).result), result);
    QCOMPARE(FileBytes(path), present ? old : QByteArray());
}

// With no settings file in use, a new one goes beside the program, or into
// the user's configuration folder when the program's folder is read-only;
// the next start finds it either way.
void SettingsWriterTest::newFileGoesWhereTheNextStartFindsIt()
{
    TestEnvironment env;
    Settings edited;
    edited.top = 3;
    SettingsSave save = SaveSettings(QString(), Settings(), edited);
    QCOMPARE(save.fileName, env.programDirectory() + QStringLiteral("Brekko.ini"));
    QCOMPARE(LocateProgramFile(QStringLiteral("Brekko.ini")), save.fileName);

    QFile::remove(save.fileName);
    ScratchMount program(env.programDirectory());
    REQUIRE_MOUNT(program);
    AppContext::setProgramDirectory(program.path() + QLatin1Char('/'));
    save = SaveSettings(QString(), Settings(), edited);
    QCOMPARE(int(save.result), int(SettingsSaveResult::Saved));
    QCOMPARE(save.fileName, env.path(QStringLiteral("config/brekko/Brekko.ini")));
    QCOMPARE(LocateProgramFile(QStringLiteral("Brekko.ini")), save.fileName);
    QCOMPARE(ReadSettings(save.fileName).top, 3);
}

// The shared file of an installation is never changed, also where its user
// (root) could write it; the user's own file starts as its copy, so that its
// tools stay.
void SettingsWriterTest::installedDefaultsAreCopiedToTheUsersFile_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only installation") << true;
    QTest::newRow("installation the user may write") << false;
}

void SettingsWriterTest::installedDefaultsAreCopiedToTheUsersFile()
{
    QFETCH(bool, readOnly);
    TestEnvironment env;
    const QByteArray shipped = kHeader + "[Tools]\r\n1=Terminal,xterm\r\n";
    env.writeFile(QStringLiteral("prefix/share/brekko/Brekko.ini"), shipped);
    env.makeFolder(QStringLiteral("prefix/bin"));
    std::unique_ptr<ScratchMount> prefix;
    QString root = env.path(QStringLiteral("prefix"));
    if (readOnly) {
        prefix = std::make_unique<ScratchMount>(root);
        REQUIRE_MOUNT(*prefix);
        root = prefix->path();
    }
    AppContext::setProgramDirectory(root + QStringLiteral("/bin/"));
    const QString installed = LocateProgramFile(QStringLiteral("Brekko.ini"));
    QCOMPARE(installed, root + QStringLiteral("/share/brekko/Brekko.ini"));

    const Settings current = ReadSettings(installed);
    Settings edited = current;
    edited.autoScroll = false;
    const SettingsSave save = SaveSettings(installed, current, edited);
    QCOMPARE(int(save.result), int(SettingsSaveResult::Saved));
    QCOMPARE(save.fileName, UserSettingsFile());
    QCOMPARE(LocateProgramFile(QStringLiteral("Brekko.ini")), save.fileName);
    const Settings read = ReadSettings(save.fileName);
    QCOMPARE(read.autoScroll, false);
    QCOMPARE(read.tools, current.tools);
    QCOMPARE(FileBytes(installed), shipped);
}

BREKKO_TEST_MAIN(SettingsWriterTest)
#include "SettingsWriterTest.moc"
