#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/FileUtils.h"
#include "common/settings/SettingsReader.h"

#include <QTest>

using Values = QMap<QString, QString>;

namespace {

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

QString area(const ExportArea &a)
{
    return flag(a.enabled) + QLatin1Char('|') + a.separator;
}

// Every setting as name and text, so a test names only what it changes.
Values describe(const Settings &s)
{
    Values v;
    v[QStringLiteral("left")] = QString::number(s.left);
    v[QStringLiteral("top")] = QString::number(s.top);
    v[QStringLiteral("width")] = QString::number(s.width);
    v[QStringLiteral("height")] = QString::number(s.height);
    v[QStringLiteral("centred")] = flag(s.centred);
    v[QStringLiteral("windowState")] = QString::number(s.windowState);
    v[QStringLiteral("commentPanelHeight")] = QString::number(s.commentPanelHeight);
    for (int i = 0; i < 3; ++i) {
        const ToolbarPlace &p = s.toolbarPlaces[i];
        v[QStringLiteral("toolbar%1").arg(i)] =
            QStringLiteral("%1,%2,%3,%4").arg(p.defaultDock).arg(p.dockedTo).arg(p.left).arg(p.top);
        v[QStringLiteral("toolbarHidden%1").arg(i)] = flag(s.toolbarHidden[i]);
    }
    v[QStringLiteral("commentPanelHidden")] = flag(s.commentPanelHidden);
    v[QStringLiteral("commandPanelHidden")] = flag(s.commandPanelHidden);
    v[QStringLiteral("statusBarHidden")] = flag(s.statusBarHidden);
    v[QStringLiteral("singleExpand")] = flag(s.singleExpand);
    v[QStringLiteral("autoScroll")] = flag(s.autoScroll);
    v[QStringLiteral("projectFile")] = s.projectFile;
    v[QStringLiteral("macroFile")] = s.macroFile;
    v[QStringLiteral("helpFile")] = s.helpFile;
    v[QStringLiteral("makeBackup")] = flag(s.makeBackup);
    v[QStringLiteral("backupExtension")] = s.backupExtension;
    v[QStringLiteral("titleArea")] = area(s.titleArea);
    v[QStringLiteral("commentArea")] = area(s.commentArea);
    v[QStringLiteral("commandArea")] = area(s.commandArea);
    v[QStringLiteral("pageFormat")] = QStringLiteral("%1,%2").arg(s.customPageWidth).arg(s.customPageHeight);
    v[QStringLiteral("fileManagerState")] = QString::number(s.fileManagerState);
    v[QStringLiteral("fileManagerViewStyle")] = QString::number(s.fileManagerViewStyle);
    QStringList tools;
    for (const ToolItem &tool : s.tools)
        tools.append(tool.caption + QLatin1Char('=') + tool.command);
    v[QStringLiteral("tools")] = tools.join(QLatin1Char(';'));
    return v;
}

Values changed(Values values, const Values &changes)
{
    for (auto it = changes.cbegin(); it != changes.cend(); ++it) {
        if (!values.contains(it.key()))
            qFatal("unknown setting %s", qPrintable(it.key()));
        values[it.key()] = it.value();
    }
    return values;
}

QByteArray ini(const QByteArray &body)
{
    return "<Talvoren V4 Ini-Datei>\r\n" + body;
}

} // namespace

class SettingsReaderTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsWithoutFile();
    void valueForms_data();
    void valueForms();
    void shippedFileHoldsTheDefaults();
    void fileProblems_data();
    void fileProblems();
    void startupArguments_data();
    void startupArguments();
    void locateProgramFile();
};

void SettingsReaderTest::defaultsWithoutFile()
{
    TestEnvironment env;
    const Values defaults = describe(Settings());
    QCOMPARE(describe(ReadSettings(QString())), defaults);
    QCOMPARE(describe(ReadSettings(env.path(QStringLiteral("fehlt.ini")))), defaults);
    QCOMPARE(defaults.value(QStringLiteral("helpFile")), QStringLiteral("Brekko.hlp"));
}

void SettingsReaderTest::valueForms_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<Values>("expected");

    QTest::newRow("Status=1 starts maximised")
        << QByteArray("[Hauptfenster]\nStatus=1\n") << Values{{"windowState", "1"}};
    QTest::newRow("Status=7 starts normal") << QByteArray("[Hauptfenster]\nStatus=7\n") << Values{};
    QTest::newRow("negative comment height keeps the design")
        << QByteArray("[Hauptfenster]\nKommentarfeldhoehe=-5\n") << Values{};
    QTest::newRow("hex integers, bad ones keep the default")
        << QByteArray("[hauptfenster]\nlinks=0x10\nOben=0X0a\nBreite=abc\nHoehe=480\nKommentarfeldhoehe=0x20\n")
        << Values{{"left", "16"}, {"top", "10"}, {"height", "480"}, {"commentPanelHeight", "32"}};
    QTest::newRow("booleans: non-zero is true, words keep the default")
        << QByteArray("[Hauptfenster]\nZentriert positionieren=0\n[Baum]\nSingleExpand=7\nAutoScroll=ja\n"
                      "[Felder]\nStatuszeile ausgeblendet=0x1\nToolbar \"Extras\" ausgeblendet=1\n")
        << Values{{"centred", "0"}, {"singleExpand", "1"}, {"statusBarHidden", "1"}, {"toolbarHidden2", "1"}};
    QTest::newRow("backup extension bak")
        << QByteArray("[Projekt]\nDateierweiterung der Sicherungskopien=bak\n") << Values{{"backupExtension", ".bak"}};
    QTest::newRow("backup extension backup") << QByteArray("[Projekt]\nDateierweiterung der Sicherungskopien=backup\n")
                                             << Values{{"backupExtension", ".bac"}};
    QTest::newRow("backup extension with dot, backups off")
        << QByteArray("[Projekt]\nDateierweiterung der Sicherungskopien=.sicher\nSicherunsgkopien erstellen=0\n")
        << Values{{"backupExtension", ".sic"}, {"makeBackup", "0"}};
    QTest::newRow("empty backup extension keeps the default")
        << QByteArray("[Projekt]\nDateierweiterung der Sicherungskopien=\n") << Values{};
    QTest::newRow("export areas") << QByteArray(
        "[Export]\nFeldbereich Kommentar=1,\"Bemerkung\"\nFeldbereich Bezeichnung=0\n"
        "Feldbereich Befehl=x,\"- \"\n")
                                  << Values{
                                         {"commentArea", "1|Bemerkung"}, {"titleArea", "0|"}, {"commandArea", "0|- "}};
    QTest::newRow("export area without closing quote keeps its separator")
        << QByteArray("[Export]\nFeldbereich Befehl=1,\"offen\n") << Values{{"commandArea", "1|  "}};
    QTest::newRow("toolbar positions")
        << QByteArray("[Felder]\nPosition Toolbar \"Projektdatei\"=2,6,10,0x14\n"
                      "Position Toolbar \"Bearbeiten\"=3\nPosition Toolbar \"Extras\"=x,4,,7\n")
        << Values{{"toolbar0", "2,6,10,20"}, {"toolbar1", "3,-1,-1,-1"}, {"toolbar2", "-1,4,-1,7"}};
    QTest::newRow("toolbar values out of range change nothing")
        << QByteArray("[Felder]\nPosition Toolbar \"Bearbeiten\"=6,7,-3,5,9\n") << Values{{"toolbar1", "-1,-1,-1,5"}};
    QTest::newRow("page format with both zero is dropped")
        << QByteArray("[Export]\nBenutzerdefiniertes Seitenformat=0,0\n") << Values{};
    QTest::newRow("page format with one size above zero")
        << QByteArray("[Export]\nBenutzerdefiniertes Seitenformat=0,50\n") << Values{{"pageFormat", "0,50"}};
    QTest::newRow("page format sizes kept in the usable range")
        << QByteArray("[Export]\nBenutzerdefiniertes Seitenformat=-5,99999\n") << Values{{"pageFormat", "0,32767"}};
    QTest::newRow("file manager state and view in range")
        << QByteArray("[Dateimanager]\nStatus=2\nViewStyle=4\n")
        << Values{{"fileManagerState", "2"}, {"fileManagerViewStyle", "4"}};
    QTest::newRow("file manager values out of range")
        << QByteArray("[Dateimanager]\nStatus=3\nViewStyle=0\n") << Values{};
    QTest::newRow("file names keep their case")
        << QByteArray("[Dateien]\nProjektdatei=/home/Ann/Kat.PRJ\nMakrodatei=\\Makros\\Start.mkr\nHilfedatei=\n")
        << Values{{"projectFile", "/home/Ann/Kat.PRJ"}, {"macroFile", "\\Makros\\Start.mkr"}, {"helpFile", ""}};
    QTest::newRow("tools skip values without comma, stop at a gap")
        << QByteArray("[Tools]\n1=Editor,edit -x\n2=Ohne Komma\n3=Rechner,calc a,b\n5=Nach Lücke,x\n")
        << Values{{"tools", "Editor=edit -x;Rechner=calc a,b"}};
    QTest::newRow("tools stop at the first empty value")
        << QByteArray("[Tools]\n1=A,a\n2=\n3=C,c\n") << Values{{"tools", "A=a"}};
}

void SettingsReaderTest::valueForms()
{
    QFETCH(QByteArray, body);
    QFETCH(Values, expected);
    TestEnvironment env;
    const QString file = env.writeFile(QStringLiteral("Brekko.ini"), ini(body));
    QVERIFY(IsSettingsFile(file));
    QCOMPARE(describe(ReadSettings(file)), changed(describe(Settings()), expected));
}

void SettingsReaderTest::shippedFileHoldsTheDefaults()
{
    const QString file = QStringLiteral(BREKKO_RESOURCES_DIR "/Brekko.ini");
    QVERIFY(IsSettingsFile(file));
    const Values read = describe(ReadSettings(file));
    QCOMPARE(read, changed(describe(Settings()), {{"tools", read.value(QStringLiteral("tools"))}}));
    QCOMPARE(ReadSettings(file).tools.size(), 2);
}

void SettingsReaderTest::fileProblems_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("problem");

    QTest::newRow("header first") << ini("[Baum]\n") << int(SettingsFileProblem::None);
    QTest::newRow("header later, other case, blanks")
        << QByteArray("[Baum]\nx=1\n   <TALVOREN v4 ini-datei>  \n") << int(SettingsFileProblem::None);
    QTest::newRow("no header") << QByteArray("[Baum]\nx=1\n") << int(SettingsFileProblem::NoHeader);
    QTest::newRow("project header only") << QByteArray("<Talvoren V4 Projektdatei>\n")
                                         << int(SettingsFileProblem::NoHeader);
}

void SettingsReaderTest::fileProblems()
{
    QFETCH(QByteArray, content);
    QFETCH(int, problem);
    TestEnvironment env;
    QCOMPARE(int(SettingsFileProblemOf(env.writeFile(QStringLiteral("x.ini"), content))), problem);
    QCOMPARE(int(SettingsFileProblemOf(env.path(QStringLiteral("fehlt.ini")))), int(SettingsFileProblem::Missing));
}

void SettingsReaderTest::startupArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("settings");

    const QString p = QStringLiteral("program/");
    QTest::newRow("none") << QStringList{} << QString() << QString();
    QTest::newRow("project beside the program, blanks trimmed")
        << QStringList{"  Mein Katalog.PRJ  "} << p + "Mein Katalog.PRJ" << QString();
    QTest::newRow("settings file by full path")
        << QStringList{"@/daten/Andere.ini"} << QString() << QStringLiteral("daten/Andere.ini");
    QTest::newRow("later arguments win") << QStringList{"Mein Katalog.PRJ", "@/daten/zwei.prj", "Brekko.ini",
                                                        "@/daten/Andere.ini"}
                                         << QStringLiteral("daten/zwei.prj") << QStringLiteral("daten/Andere.ini");
    QTest::newRow("other files and missing names are ignored")
        << QStringList{"Brekko.ini", "@/daten/liesmich.txt", "fehlt.prj", ""} << QString() << p + "Brekko.ini";
    QTest::newRow("letter case of the name counts") << QStringList{"mein katalog.prj"} << QString() << QString();
}

void SettingsReaderTest::startupArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, project);
    QFETCH(QString, settings);
    TestEnvironment env;
    env.writeFile(QStringLiteral("program/Mein Katalog.PRJ"), "<Talvoren V4 Projektdatei>\r\n");
    env.writeFile(QStringLiteral("program/Brekko.ini"), ini("[Baum]\r\n"));
    env.writeFile(QStringLiteral("daten/zwei.prj"), "x\r\n<talvoren v4 projektdatei>\r\n");
    env.writeFile(QStringLiteral("daten/Andere.ini"), ini(""));
    env.writeFile(QStringLiteral("daten/liesmich.txt"), "Text\r\n");
    for (QString &argument : arguments)
        argument.replace(QLatin1String("@/"), env.root() + QLatin1Char('/'));
    const auto full = [&env](const QString &relative) { return relative.isEmpty() ? relative : env.path(relative); };

    const StartupFiles files = ResolveStartupArguments(arguments);
    QCOMPARE(files.projectFile, full(project));
    QCOMPARE(files.settingsFile, full(settings));
}

void SettingsReaderTest::locateProgramFile()
{
    TestEnvironment env;
    const QString configFolder = QStringLiteral("config/brekko/");
    const QString inConfig = env.writeFile(configFolder + "Brekko.ini", ini(""));
    QCOMPARE(LocateProgramFile(QStringLiteral("Brekko.ini")), inConfig);

    const QString beside = env.writeFile(QStringLiteral("program/Brekko.ini"), ini(""));
    QCOMPARE(LocateProgramFile(QStringLiteral("Brekko.ini")), beside);

    const QString oldHelp = env.writeFile(configFolder + "Brekko.hlp", "alt");
    QCOMPARE(LocateProgramFile(QStringLiteral("Brekko.hlp")), oldHelp);
    const QString html = env.writeFile(configFolder + "Brekko.html", "<html></html>");
    QCOMPARE(LocateProgramFile(QStringLiteral("Brekko.hlp")), html);

    const QString installed = env.writeFile(QStringLiteral("share/brekko/Nur.txt"), "x");
    AppContext::setProgramDirectory(env.path(QStringLiteral("bin")));
    QCOMPARE(LocateProgramFile(QStringLiteral("Nur.txt")), installed);
    QVERIFY(LocateProgramFile(QStringLiteral("Nirgends-4711.ini")).isEmpty());
    QVERIFY(LocateProgramFile(env.path(QStringLiteral("config/brekko/fehlt.ini"))).isEmpty());
}

BREKKO_TEST_MAIN(SettingsReaderTest)
#include "SettingsReaderTest.moc"
