#include "CatalogueFixture.h"
#include "FileBytes.h"
#include "MsgBoxRecorder.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/CommandLinePaths.h"
#include "platform/FileSystem.h"
#include "platform/Volumes.h"
#include "project/ProjectFile.h"
#include "tree/TreeEditing.h"
#include "tree/scan/CatalogueCommand.h"
#include "tree/scan/CatalogueEntries.h"
#include "tree/scan/CatalogueIcons.h"

#include <QTest>
#include <QTextStream>

// From proposals to entries and pictures, the headless command, and a
// catalogue that still works when its medium is mounted elsewhere.
class CatalogueRoundTripTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void checkedProposalsBecomeEntries();
    void picturesBecomeBitmapsBesideTheProject();
    void commandRefusesWhatItMustNotDo_data();
    void commandRefusesWhatItMustNotDo();
    void catalogueTravelsWithItsMedium();

private:
    int runCommand(const QStringList &arguments, QString *output = nullptr) const;

    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<MsgBoxRecorder> m_boxes;
};

namespace {

// Counts the entries a view would be told about.
class InsertRecorder : public TreeChangeListener {
public:
    void beginInsertEntry(ProjectEntry *parent, int row) override { inserts.append({parent, row}); }
    void endInsertEntry() override {}
    void beginRemoveEntry(ProjectEntry *, int) override {}
    void endRemoveEntry() override {}
    void beginMoveEntry(ProjectEntry *, int, ProjectEntry *, int) override {}
    void endMoveEntry() override {}
    void entryChanged(ProjectEntry *entry) override { changed.append(entry); }

    QList<QPair<ProjectEntry *, int>> inserts;
    QList<ProjectEntry *> changed;
};

CatalogueItem *add(CatalogueItem &parent, CatalogueKind kind, const QString &title, bool checked = true)
{
    auto item = std::make_unique<CatalogueItem>(kind);
    item->title = title;
    item->command = QStringLiteral("\\") + title;
    item->typeName = QStringLiteral("Typ");
    item->checked = checked;
    return parent.append(std::move(item));
}

QString images(const ProjectEntry *entry)
{
    return QStringLiteral("%1/%2").arg(entry->imageIndex).arg(entry->selectedImageIndex);
}

} // namespace

void CatalogueRoundTripTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_boxes = std::make_unique<MsgBoxRecorder>();
    m_boxes->setAnswerOkBoxes(true);
}

void CatalogueRoundTripTest::cleanup()
{
    QVERIFY(!m_boxes->failed());
    m_boxes.reset();
    m_env.reset();
}

int CatalogueRoundTripTest::runCommand(const QStringList &arguments, QString *output) const
{
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    const int code = RunCatalogueCommand(QStringList{QStringLiteral("--catalogue")} + arguments, out, err);
    if (output)
        *output = outText + errText;
    return code;
}

// An unchecked folder gives way to its checked contents; pictures give both
// images, the others get the automatic ones for their shape.
void CatalogueRoundTripTest::checkedProposalsBecomeEntries()
{
    CatalogueItem root;
    CatalogueItem *folder = add(root, CatalogueKind::Folder, QStringLiteral("A"));
    add(*folder, CatalogueKind::Program, QStringLiteral("a1"))->iconFile = QStringLiteral("/x.png");
    add(*folder, CatalogueKind::Document, QStringLiteral("a2"), false);
    CatalogueItem *dropped = add(root, CatalogueKind::Folder, QStringLiteral("B"), false);
    add(*dropped, CatalogueKind::RarArchive, QStringLiteral("b1"));
    add(root, CatalogueKind::Macro, QStringLiteral("c"));

    ProjectTree staging;
    QStringList asked;
    const qint64 added = AppendCatalogueEntries(root, staging, nullptr, [&asked](const QString &file) {
        asked.append(file);
        return 25;
    });
    QCOMPARE(added, 4);
    QCOMPARE(asked, QStringList{QStringLiteral("/x.png")});

    ProjectTree tree;
    ProjectEntry *leaf = tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("Stick")));
    leaf->imageIndex = 2;
    leaf->selectedImageIndex = 3;
    tree.append(leaf, std::make_unique<ProjectEntry>(QStringLiteral("alt")));
    InsertRecorder views;
    ProjectEntry *first = MoveCatalogueEntries(staging, tree, leaf, views);
    QVERIFY(staging.isEmpty());
    QCOMPARE(first->title, QStringLiteral("A"));
    QCOMPARE(views.inserts.size(), 3);
    QCOMPARE(views.inserts.first(), qMakePair(leaf, 1));
    QCOMPARE(images(leaf), QStringLiteral("0/1"));
    QCOMPARE(views.changed, QList<ProjectEntry *>{leaf});

    QStringList lines;
    for (const ProjectEntry *entry : tree.preOrder())
        lines.append(QStringLiteral("%1 %2 %3 %4 %5")
                         .arg(entry->depth())
                         .arg(entry->title)
                         .arg(entry->record.action)
                         .arg(entry->record.command, images(entry)));
    QCOMPARE(lines, QStringList({"0 Stick 0  0/1", "1 alt 0  -1/-1", "1 A 2 \\A 0/1", "2 a1 1 \\a1 25/25",
                                 "1 b1 3 \\b1 2/3", "1 c 5 \\c 2/3"}));
    QCOMPARE(tree.entryAt(3)->record.comment.first(), QStringLiteral("Typ: Typ"));
}

void CatalogueRoundTripTest::picturesBecomeBitmapsBesideTheProject()
{
    const QString picture = m_env->writeFile(QStringLiteral("medium/werkzeug.png"), CatalogueFixture::png());
    const QString namesake = m_env->writeFile(QStringLiteral("medium/b/werkzeug.xpm"), QByteArray());
    QImage(8, 32, QImage::Format_RGB32).save(namesake, "XPM");
    const QString notPicture = m_env->writeFile(QStringLiteral("medium/kaputt.png"), "no picture");
    Project project;
    project.fileName = m_env->path(QStringLiteral("medium/kat.prj"));
    const QString folder = CatalogueIcons::folderFor(project.fileName);
    QCOMPARE(folder, m_env->path(QStringLiteral("medium/Symbole")));

    CatalogueIcons icons(project, folder);
    QCOMPARE(icons.imageFor(picture), ImageList::kBuiltinCount);
    QCOMPARE(icons.imageFor(picture), ImageList::kBuiltinCount);
    QCOMPARE(icons.imageFor(notPicture), -1);
    QCOMPARE(icons.imageFor(namesake), ImageList::kBuiltinCount + 1);
    QCOMPARE(project.imageFiles, QStringList({folder + "/werkzeug.bmp", folder + "/werkzeug-2.bmp"}));
    QVERIFY(icons.failed().isEmpty());
    const QImage image = project.images.image(ImageList::kBuiltinCount);
    QCOMPARE(image.size(), QSize(16, 16));
    QCOMPARE(qAlpha(image.pixel(2, 2)), 0);
    QCOMPARE(image.pixel(12, 12), qRgb(200, 0, 0));

    // The same picture again reuses its bitmap, in the list and on disk.
    CatalogueIcons again(project, folder);
    QCOMPARE(again.imageFor(picture), ImageList::kBuiltinCount);
    Project other;
    CatalogueIcons beside(other, folder);
    QCOMPARE(beside.imageFor(picture), ImageList::kBuiltinCount);
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);

    const ScratchMount readOnly(m_env->makeFolder(QStringLiteral("cd")));
    REQUIRE_MOUNT(readOnly);
    Project onDisc;
    CatalogueIcons refused(onDisc, readOnly.path(QStringLiteral("Symbole")));
    QCOMPARE(refused.imageFor(picture), -1);
    QCOMPARE(refused.failed(), QStringList{picture});
    QVERIFY(onDisc.imageFiles.isEmpty());
}

void CatalogueRoundTripTest::commandRefusesWhatItMustNotDo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    QTest::newRow("existing catalogue") << QStringList{"@", "@/alt.prj"} << "besteht bereits";
    QTest::newRow("missing folder") << QStringList{"@/fehlt", "@/neu.prj"} << "kann nicht gelesen werden";
    QTest::newRow("folder is a file") << QStringList{"@/alt.prj", "@/neu.prj"} << "kann nicht gelesen werden";
    QTest::newRow("no place for the file") << QStringList{"@", "@/fehlt/neu.prj"} << "";
    QTest::newRow("unknown option") << QStringList{"@", "@/neu.prj", "--versteckt"} << "unbekanntes Argument";
    QTest::newRow("one name") << QStringList{"@"} << "Aufruf:";
}

void CatalogueRoundTripTest::commandRefusesWhatItMustNotDo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const QString folder = m_env->makeFolder(QStringLiteral("stick"));
    const QString old = m_env->writeFile(QStringLiteral("stick/alt.prj"), "alt");
    for (QString &argument : arguments)
        argument.replace(QLatin1Char('@'), folder);
    QString output;
    QCOMPARE(runCommand(arguments, &output), 2);
    QVERIFY2(output.contains(message), qPrintable(output));
    QCOMPARE(FileBytes(old), QByteArray("alt"));
    QVERIFY(!QFileInfo::exists(folder + QStringLiteral("/neu.prj")));
}

// Written on one mount point, the catalogue loads clean on another mount
// point of the same medium and names the files there.
void CatalogueRoundTripTest::catalogueTravelsWithItsMedium()
{
    ScratchMount medium(2048);
    REQUIRE_MOUNT(medium);
    CatalogueFixture::makeMedium(medium.path(), m_env->makeFolder(QStringLiteral("outside")));
    Volumes::setRootsForTesting({});
    const QString catalogue = medium.path(QStringLiteral("Katalog.prj"));
    QString output;
    QCOMPARE(runCommand({medium.path(), catalogue}, &output), 0);
    QVERIFY2(output.contains(QStringLiteral("mit 33 Einträgen geschrieben")), qPrintable(output));
    QVERIFY(QFileInfo::exists(medium.path(QStringLiteral("Symbole/werkzeug.bmp"))));
    QCOMPARE(runCommand({medium.path(), catalogue}), 2);
    // The catalogue, its backup and its pictures are not proposed.
    QCOMPARE(runCommand({medium.path(), catalogue, QStringLiteral("--overwrite")}, &output), 0);
    QVERIFY2(output.contains(QStringLiteral("mit 33 Einträgen geschrieben")), qPrintable(output));
    QVERIFY(QFileInfo::exists(medium.path(QStringLiteral("Katalog.pr~"))));

    const ScratchMount moved(medium.path());
    REQUIRE_MOUNT(moved);
    Volumes::setRootsForTesting({});
    const QString movedCatalogue = moved.path(QStringLiteral("Katalog.prj"));
    LoadReport report;
    const std::unique_ptr<Project> project = ReadProjectFile(movedCatalogue, report);
    QVERIFY(project);
    QCOMPARE(report.problems, QStringList());
    QCOMPARE(project->tree.count(), 33);
    QCOMPARE(project->imageFiles, QStringList{moved.path(QStringLiteral("Symbole/werkzeug.bmp"))});

    const QString drive = Volumes::volumeOf(movedCatalogue);
    QCOMPARE(drive, moved.path());
    for (const ProjectEntry *entry : project->tree.preOrder()) {
        QString line = entry->record.command;
        const int code = ExpandCommandLine(drive, line);
        QVERIFY2(code >= ExpandWords, qPrintable(entry->record.command));
        const QString target = SplitCommandWords(line).first();
        // A program of the system, found on the search path, stays where it is.
        const bool onMedium = entry->record.command.startsWith(QLatin1Char('\\'));
        QVERIFY2(!onMedium || line.startsWith(moved.path() + QLatin1Char('/')), qPrintable(line));
        QVERIFY2(code == ExpandWords || FileSystem::fileExists(line) || FileSystem::folderExists(line),
                 qPrintable(line));
        QVERIFY2(code != ExpandWords || FileSystem::fileExists(target), qPrintable(line));
    }
}

BREKKO_TEST_MAIN(CatalogueRoundTripTest)
#include "CatalogueRoundTripTest.moc"
