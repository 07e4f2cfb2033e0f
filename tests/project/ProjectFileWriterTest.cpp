#include "FailDevice.h"
#include "MsgBoxRecorder.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "FileTreeFixture.h"
#include "TestRegistry.h"
#include "common/FileUtils.h"
#include "platform/NativeNames.h"
#include "platform/SafeSave.h"
#include "platform/TextFile.h"
#include "project/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTest>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

ProjectEntry *add(Project &project, ProjectEntry *parent, const QString &title, int action = 0,
                  const QString &command = {}, const QStringList &comment = {})
{
    auto entry = std::make_unique<ProjectEntry>(title);
    entry->imageIndex = 2;
    entry->selectedImageIndex = 3;
    entry->record.action = static_cast<quint8>(action);
    entry->record.command = command;
    entry->record.comment = comment;
    return project.tree.append(parent, std::move(entry));
}

const QByteArray kOld = "<Talvoren V4 Projektdatei>\r\n\r\nProjekt=Alt\r\n";

} // namespace

class ProjectFileWriterTest : public QObject {
    Q_OBJECT

private slots:
    void layout();
    void emptyProjectWritesTheHeaderOnly();
    void encodingAndRoundTrip();
    void valuesStayOnTheirLine();
    void backups_data();
    void backups();
    void writeFailure_data();
    void writeFailure();
    void cannotCreate_data();
    void cannotCreate();
    void failingDevice_data();
    void failingDevice();
    void backupNameIsTheFileName_data();
    void backupNameIsTheFileName();
    void linkAndModeSurvive_data();
    void linkAndModeSurvive();
    void noTemporaryNameOutlivesASave_data();
    void noTemporaryNameOutlivesASave();
    void readOnlyMedium_data();
    void readOnlyMedium();
};

void ProjectFileWriterTest::layout()
{
    Project project;
    project.name = QStringLiteral("Demo");
    project.expandItems = true;
    add(project, nullptr, QStringLiteral("A"), 1, QStringLiteral("/Bin/A b"), {QStringLiteral("x=y"), QString()});
    ProjectEntry *b = add(project, nullptr, QStringLiteral("B"));
    add(project, b, QStringLiteral("C"), 5, QStringLiteral("\\M\\m.mkr"));
    add(project, nullptr, QStringLiteral("D"));
    project.tree.entryAt(1)->imageIndex = 0;
    project.tree.entryAt(1)->selectedImageIndex = 1;
    QCOMPARE(ProjectFileText(project),
             QStringLiteral("<Talvoren V4 Projektdatei>\r\n\r\nProjekt=Demo\r\nExpandItems=1\r\nImages verwenden=1\r\n"
                            "\r\n"
                            "Item New\r\n  ItemNr=0\r\n  ParentNr=-1\r\n  Titel=A\r\n  Image=3,4\r\n"
                            "  Kommentar=x=y\r\n  Kommentar=\r\n  Befehl=1,/Bin/A b\r\nItem Done\r\n"
                            "Item New\r\n  ItemNr=1\r\n  ParentNr=-1\r\n  Titel=B\r\n  Image=1,2\r\n"
                            "  Befehl=0,\r\nItem Done\r\n"
                            "Item New\r\n  ItemNr=2\r\n  ParentNr=1\r\n  Titel=C\r\n  Image=3,4\r\n"
                            "  Befehl=5,\\M\\m.mkr\r\nItem Done\r\n"
                            "Item New\r\n  ItemNr=3\r\n  ParentNr=-1\r\n  Titel=D\r\n  Image=3,4\r\n"
                            "  Befehl=0,\r\nItem Done\r\n"));
}

void ProjectFileWriterTest::emptyProjectWritesTheHeaderOnly()
{
    TestEnvironment env;
    Project project;
    project.useImages = false;
    const QString file = env.path(QStringLiteral("leer.prj"));
    QVERIFY(SaveProjectFile(project, file, SaveOptions()));
    QCOMPARE(FileBytes(file),
             QByteArray("<Talvoren V4 Projektdatei>\r\n\r\nProjekt=\r\nExpandItems=0\r\nImages verwenden=0\r\n\r\n"));
}

void ProjectFileWriterTest::encodingAndRoundTrip()
{
    TestEnvironment env;
    const QString drive = env.addVolume(QStringLiteral("stick"));
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(Qt::red);
    env.makeFolder(QStringLiteral("stick/Pics"));
    QVERIFY(tile.save(drive + QStringLiteral("/Pics/Red.bmp"), "BMP"));

    // "Ã¤" fits the code page, but its bytes there read as UTF-8 "ä".
    for (const QString &title : {QStringLiteral("Größe €"), QStringLiteral("Ελληνικά"), QStringLiteral("Ã¤")}) {
        Project project;
        project.name = title;
        project.imageFiles.append(drive + QStringLiteral("/Pics/Red.bmp"));
        ProjectEntry *parent = add(project, nullptr, title, 4, QStringLiteral("\\Archiv\\A.ZIP"), {title, "zwei"});
        add(project, parent, QStringLiteral("Kind"));
        for (ProjectEntry *entry : project.tree.preOrder())
            entry->imageIndex = entry->selectedImageIndex = 5;
        const QString file = drive + QStringLiteral("/cat.prj");
        project.fileName = file;
        QVERIFY(SaveProjectFile(project, file, SaveOptions{false, {}}));

        const QByteArray bytes = FileBytes(file);
        const bool fitsCp1252 = title.startsWith(QLatin1Char('G'));
        QCOMPARE(bytes.startsWith("\xEF\xBB\xBF"), !fitsCp1252);
        if (fitsCp1252)
            QVERIFY(bytes.contains("Gr\xF6\xDF"
                                   "e \x80"));
        QVERIFY(bytes.contains("ImageFile=\\Pics\\Red.bmp\r\n"));

        LoadReport report;
        MsgBoxRecorder boxes;
        const auto read = ReadProjectFile(file, report);
        QVERIFY(read);
        QCOMPARE(read->name, title);
        QCOMPARE(read->imageFiles, project.imageFiles);
        QCOMPARE(read->tree.count(), 2);
        QCOMPARE(read->tree.entryAt(0)->record.comment, (QStringList{title, "zwei"}));
        QCOMPARE(read->tree.entryAt(1)->parent(), read->tree.entryAt(0));
        QCOMPARE(ProjectFileText(*read), ProjectFileText(project));
    }
}

void ProjectFileWriterTest::valuesStayOnTheirLine()
{
    Project project;
    add(project, nullptr, QStringLiteral("Zwei\nZeilen"), 1, QStringLiteral("a\r\nb"), {QStringLiteral("eins\rzwei")});
    const QString text = ProjectFileText(project);
    QVERIFY(text.contains(QStringLiteral("  Titel=Zwei Zeilen\r\n")));
    QVERIFY(text.contains(QStringLiteral("  Befehl=1,a  b\r\n")));
    QVERIFY(text.contains(QStringLiteral("  Kommentar=eins\r\n  Kommentar=zwei\r\n")));
}

void ProjectFileWriterTest::backups_data()
{
    QTest::addColumn<QByteArray>("stem");
    QTest::addColumn<QByteArray>("old");
    QTest::addColumn<bool>("readOnlyBackup");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<QByteArray>("backupAfter");

    QTest::newRow("old project becomes the backup") << QByteArray("a.b") << kOld << false << 0 << true << kOld;
    QTest::newRow("old file that is no project is overwritten")
        << QByteArray("a.b") << QByteArray("notes") << false << 0 << true << QByteArray("previous backup");
    QTest::newRow("read-only backup, answer No")
        << QByteArray("a.b") << kOld << true << int(MsgBox::ResultNo) << false << QByteArray("previous backup");
    QTest::newRow("read-only backup, answer Yes")
        << QByteArray("a.b") << kOld << true << int(MsgBox::ResultYes) << true << QByteArray("previous backup");
    QTest::newRow("latin-1 name") << QByteArray("k\xe4") << kOld << false << 0 << true << kOld;
    QTest::newRow("latin-1 name, read-only backup")
        << QByteArray("k\xe4") << kOld << true << int(MsgBox::ResultYes) << true << QByteArray("previous backup");
}

void ProjectFileWriterTest::backups()
{
    QFETCH(QByteArray, stem);
    QFETCH(QByteArray, old);
    QFETCH(bool, readOnlyBackup);
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(QByteArray, backupAfter);
    TestEnvironment env;
    MsgBoxRecorder boxes;
    const QByteArray folder = NativeNames::encode(env.root()) + '/';
    const auto cleanUp = qScopeGuard([&] { FileTree::removeRawTree(folder); });
    QVERIFY(FileTree::writeRaw(folder + stem + ".prj", old));
    QVERIFY(FileTree::writeRaw(folder + stem + ".bak", "previous backup"));
    const QString file = NativeNames::decode(folder + stem + ".prj");
    const QString backup = NativeNames::decode(folder + stem + ".bak");
    if (readOnlyBackup)
        ::chmod((folder + stem + ".bak").constData(), 0400);
    if (answer)
        boxes.answer(answer);

    Project project;
    project.name = QStringLiteral("Neu");
    QCOMPARE(SaveProjectFile(project, file, SaveOptions{true, ".bak"}), saved);
    QCOMPARE(FileBytes(backup), backupAfter);
    QCOMPARE(FileBytes(file).contains("Projekt=Neu"), saved);
    if (saved || !readOnlyBackup)
        QVERIFY(!FileBytes(file).isEmpty());
    if (readOnlyBackup) {
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Konnte Sicherungskopie nicht erstellen..."));
        QCOMPARE(boxes.last().text,
                 QStringLiteral("Eine Datei gleichen Namens wie der Sicherungskopiedatei zugewiesen werden sollte,\r"
                                "existiert bereits und konnte nicht gelöscht werden.\rWollen Sie das Projekt denoch "
                                "speichern und die alte Projektdatei überschreiben ?"));
        QCOMPARE(boxes.last().buttons, MsgBox::Yes | MsgBox::No | MsgBox::Help);
        QCOMPARE(boxes.last().helpContext, 80270);
    } else {
        QCOMPARE(boxes.count(), 0);
    }
}

void ProjectFileWriterTest::writeFailure_data()
{
    QTest::addColumn<bool>("makeBackup");
    QTest::addColumn<bool>("oldExists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("textEnd");
    QTest::addColumn<QByteArray>("fileAfter");

    const QString restore =
        QStringLiteral("\rSoll die ursprüngliche Projektdatei anhand der Sicherungskopie wiederhergestellt werden ?");
    const QString none = QStringLiteral(
        "\rKonnte keine Sicherungskopie erstellen, anhand derer die Projektdatei wiederhergestellt werden könnte !");
    QTest::newRow("backup made, restore") << true << true << int(MsgBox::ResultYes) << false << restore << kOld;
    QTest::newRow("backup made, no restore") << true << true << int(MsgBox::ResultNo) << false << restore << kOld;
    QTest::newRow("no old file, so no backup")
        << true << false << int(MsgBox::ResultOk) << false << none << QByteArray();
    QTest::newRow("backups off keeps the old file")
        << false << true << int(MsgBox::ResultOk) << false << QStringLiteral("\r") << kOld;
}

void ProjectFileWriterTest::writeFailure()
{
    QFETCH(bool, makeBackup);
    QFETCH(bool, oldExists);
    QFETCH(int, answer);
    QFETCH(bool, result);
    QFETCH(QString, textEnd);
    QFETCH(QByteArray, fileAfter);
    TestEnvironment env;
    ScratchMount medium(64);
    REQUIRE_MOUNT(medium);
    MsgBoxRecorder boxes;
    const QString file = medium.path(QStringLiteral("p.prj"));
    if (oldExists) {
        QFile old(file);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kOld) == kOld.size());
    }
    medium.fill();
    boxes.answer(answer);

    Project project;
    for (int i = 0; i < 50; ++i)
        add(project, nullptr, QStringLiteral("Neu %1").arg(i), 0, QString(), {QString(100, QLatin1Char('k'))});
    QCOMPARE(SaveProjectFile(project, file, SaveOptions{makeBackup, ".pr~"}), result);

    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Projekt unvollständig gespeichert..."));
    QCOMPARE(boxes.last().text,
             QStringLiteral("Bei dem Versuch das Projekt in der Projektdatei\r\"%1\"\rzu speichern ist ein interner "
                            "Fehler aufgetreten.")
                     .arg(file)
                 + textEnd);
    QCOMPARE(boxes.last().helpContext, 80250);
    QCOMPARE(FileBytes(file), fileAfter);
    QCOMPARE(QFileInfo::exists(file), oldExists);
    if (makeBackup && oldExists)
        QCOMPARE(FileBytes(medium.path(QStringLiteral("p.pr~"))), kOld);
}

void ProjectFileWriterTest::cannotCreate_data()
{
    QTest::addColumn<bool>("makeBackup");
    QTest::addColumn<bool>("readOnlyFile");
    QTest::addColumn<QString>("textEnd");
    QTest::newRow("folder missing") << true << false << QStringLiteral("konnte nicht erstellt werden.");
    QTest::newRow("read-only file, backups off")
        << false << true << QStringLiteral("konnte nicht geöffnet und überschrieben werden.");
}

void ProjectFileWriterTest::cannotCreate()
{
    QFETCH(bool, makeBackup);
    QFETCH(bool, readOnlyFile);
    QFETCH(QString, textEnd);
    TestEnvironment env;
    MsgBoxRecorder boxes;
    boxes.answer(MsgBox::ResultOk);
    QString file = env.path(QStringLiteral("missing/p.prj"));
    if (readOnlyFile) {
        file = env.writeFile(QStringLiteral("p.prj"), kOld);
        QFile::setPermissions(file, QFileDevice::ReadOwner);
    }
    QVERIFY(!SaveProjectFile(Project(), file, SaveOptions{makeBackup, ".pr~"}));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Kann Projekt nicht speichern..."));
    QCOMPARE(boxes.last().text, QStringLiteral("Die angegebene Datei \r\"%1\"\r").arg(file) + textEnd);
    QCOMPARE(boxes.last().helpContext, 80240);
    if (readOnlyFile)
        QCOMPARE(FileBytes(file), kOld);
}

void ProjectFileWriterTest::failingDevice_data()
{
    QTest::addColumn<qint64>("limit");
    QTest::newRow("nothing fits") << qint64(0);
    QTest::newRow("cut in the header") << qint64(10);
    QTest::newRow("cut in an entry") << qint64(150);
    QTest::newRow("last byte missing") << qint64(-1);
}

void ProjectFileWriterTest::failingDevice()
{
    QFETCH(qint64, limit);
    Project project;
    add(project, nullptr, QStringLiteral("A"), 1, QStringLiteral("/bin/a"), {QStringLiteral("eins")});
    add(project, nullptr, QStringLiteral("B"));
    const qint64 size = TextFile::encode(ProjectFileText(project)).size();
    FailDevice device(limit < 0 ? size - 1 : limit);
    QVERIFY(!WriteProjectData(project, device, QStringLiteral("/")));

    FailDevice roomy(size);
    QVERIFY(WriteProjectData(project, roomy, QStringLiteral("/")));
    QCOMPARE(TextFile::decode(roomy.data()), ProjectFileText(project));
}

void ProjectFileWriterTest::backupNameIsTheFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::newRow("saving the backup itself") << QStringLiteral("x.pr~") << QStringLiteral(".pr~");
    QTest::newRow("backup extension prj") << QStringLiteral("x.prj") << QStringLiteral(".prj");
}

void ProjectFileWriterTest::backupNameIsTheFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, extension);
    TestEnvironment env;
    MsgBoxRecorder boxes;
    const QString file = env.writeFile(name, kOld);
    Project project;
    project.name = QStringLiteral("Neu");
    QVERIFY(SaveProjectFile(project, file, SaveOptions{true, extension}));
    QCOMPARE(boxes.count(), 0);
    QVERIFY(FileBytes(file).contains("Projekt=Neu"));
    QCOMPARE(QDir(env.root()).entryList(QDir::Files), QStringList{name});
}

void ProjectFileWriterTest::linkAndModeSurvive_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("owner only") << 0600;
    QTest::newRow("read-only, saved by root") << 0444;
}

void ProjectFileWriterTest::linkAndModeSurvive()
{
    QFETCH(int, mode);
    if (mode == 0444 && ::geteuid() != 0)
        QSKIP("only root replaces a read-only catalogue");
    TestEnvironment env;
    const QString real = env.writeFile(QStringLiteral("real/p.prj"), kOld);
    QCOMPARE(::chmod(QFile::encodeName(real).constData(), mode_t(mode)), 0);
    const QString link = env.path(QStringLiteral("p.prj"));
    QVERIFY(QFile::link(real, link));
    const QString backup = env.writeFile(QStringLiteral("p.pr~"), "previous backup");

    Project project;
    project.name = QStringLiteral("Neu");
    QVERIFY(SaveProjectFile(project, link, SaveOptions()));
    QVERIFY(QFileInfo(link).isSymLink());
    QVERIFY(FileBytes(real).contains("Projekt=Neu"));
    struct stat info;
    QCOMPARE(::stat(QFile::encodeName(real).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 07777), mode);
    QCOMPARE(FileBytes(backup), kOld);
    QVERIFY(!QFileInfo(backup).isSymLink());
    QCOMPARE(QDir(env.root()).entryList(QDir::Files | QDir::Hidden), (QStringList{"p.prj", "p.pr~"}));
}

// A failed save leaves the backup as a second name of the catalogue; the
// next save, or one running at the same time, must not leave the backup's
// temporary name behind.
void ProjectFileWriterTest::noTemporaryNameOutlivesASave_data()
{
    QTest::addColumn<bool>("failFirst");
    QTest::addColumn<int>("writers");
    QTest::newRow("after a failed save") << true << 1;
    QTest::newRow("concurrent saves") << false << 8;
}

void ProjectFileWriterTest::noTemporaryNameOutlivesASave()
{
    QFETCH(bool, failFirst);
    QFETCH(int, writers);
    ScratchMount medium(256);
    REQUIRE_MOUNT(medium);
    MsgBoxRecorder boxes;
    const QString file = medium.path(QStringLiteral("k.prj"));
    QVERIFY(WriteFileSafely(file, kOld));
    Project project;
    for (int i = 0; i < 50; ++i)
        add(project, nullptr, QStringLiteral("Neu %1").arg(i), 0, QString(), {QString(100, QLatin1Char('k'))});
    if (failFirst) {
        medium.fill();
        boxes.answer(MsgBox::ResultNo);
        QVERIFY(!SaveProjectFile(project, file, SaveOptions()));
        QVERIFY(QFile::remove(medium.path(QStringLiteral(".filler"))));
    }
    QList<pid_t> children;
    for (int i = 0; i < writers; ++i) {
        const pid_t child = ::fork();
        if (child == 0) {
            bool saved = true;
            for (int round = 0; round < 40; ++round)
                saved = SaveProjectFile(project, file, SaveOptions()) && saved;
            ::_exit(saved ? 0 : 1);
        }
        children.append(child);
    }
    for (const pid_t child : children) {
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QCOMPARE(status, 0);
    }
    QCOMPARE(QDir(medium.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{"k.prj", "k.pr~"}));
    QVERIFY(FileBytes(file).contains("Projekt=\r\n"));
}

void ProjectFileWriterTest::readOnlyMedium_data()
{
    QTest::addColumn<bool>("makeBackup");
    QTest::addColumn<int>("boxes");
    QTest::newRow("backups on, saving anyway") << true << 2;
    QTest::newRow("backups off") << false << 1;
}

void ProjectFileWriterTest::readOnlyMedium()
{
    QFETCH(bool, makeBackup);
    QFETCH(int, boxes);
    TestEnvironment env;
    const QString source = env.makeFolder(QStringLiteral("medium"));
    env.writeFile(QStringLiteral("medium/p.prj"), kOld);
    ScratchMount medium(source);
    REQUIRE_MOUNT(medium);
    MsgBoxRecorder recorder;
    if (makeBackup)
        recorder.answer(MsgBox::ResultYes);
    recorder.answer(MsgBox::ResultOk);
    const QString file = medium.path(QStringLiteral("p.prj"));

    QVERIFY(!SaveProjectFile(Project(), file, SaveOptions{makeBackup, ".pr~"}));
    QCOMPARE(recorder.count(), boxes);
    if (makeBackup) {
        QCOMPARE(recorder.boxes().at(0).text.section(QLatin1Char('\r'), 0, 0),
                 QStringLiteral("Die alte Projektdatei konnte nicht zur Sicherungskopie umbenannt werden."));
    }
    QCOMPARE(
        recorder.last().text,
        QStringLiteral("Die angegebene Datei \r\"%1\"\rkonnte nicht geöffnet und überschrieben werden.").arg(file));
    QCOMPARE(FileBytes(file), kOld);
}

BREKKO_TEST_MAIN(ProjectFileWriterTest)
#include "ProjectFileWriterTest.moc"
