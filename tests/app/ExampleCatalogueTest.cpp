#include "MsgBoxRecorder.h"
#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "project/ProjectFile.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTest>

namespace {

// Loads the catalogue as the program does and checks what every fresh
// machine must see: no problem line, every action but UnRar, nested entries,
// drive-independent command lines.
void checkCatalogue(const QString &fileName)
{
    MsgBoxRecorder boxes;
    LoadReport report;
    const std::unique_ptr<Project> project = ReadProjectFile(fileName, report);
    QVERIFY(project);
    QCOMPARE(report.problems, QStringList());
    QCOMPARE(boxes.count(), 0);

    QSet<int> actions;
    int deepest = 0;
    for (const ProjectEntry *entry : project->tree.preOrder()) {
        actions.insert(entry->record.action);
        deepest = qMax(deepest, entry->depth());
        if (entry->record.action != 0)
            QVERIFY2(entry->record.command.startsWith(QLatin1Char('\\')), qPrintable(entry->record.command));
    }
    QCOMPARE(actions, QSet<int>({0, 1, 2, 4, 5}));
    QCOMPARE(deepest, 2);
    QVERIFY(project->expandItems);
}

} // namespace

class ExampleCatalogueTest : public QObject {
    Q_OBJECT

private slots:
    void builtCatalogueLoadsWithoutProblems();
    void catalogueMadeElsewhereLoadsWithoutProblems();
    void stagedCatalogueFitsItsFinalFolder();
    void scriptWritesIntoTheHomeFolder();
};

void ExampleCatalogueTest::builtCatalogueLoadsWithoutProblems()
{
    TestEnvironment env;
    checkCatalogue(QStringLiteral(BREKKO_EXAMPLES_DIR "/Beispiel.prj"));
}

void ExampleCatalogueTest::catalogueMadeElsewhereLoadsWithoutProblems()
{
    TestEnvironment env;
    const QString target = env.path(QStringLiteral("anderer Ort/Beispiele"));
    QProcess maker;
    maker.start(QStringLiteral(BREKKO_MAKE_EXAMPLE), {QStringLiteral(BREKKO_EXAMPLES_SOURCE), target});
    QVERIFY(maker.waitForFinished());
    QCOMPARE(maker.exitCode(), 0);

    checkCatalogue(target + QStringLiteral("/Beispiel.prj"));
    QVERIFY(QFileInfo(target + QStringLiteral("/Programme/hallo.sh")).isExecutable());
    QVERIFY(!QFileInfo::exists(target + QStringLiteral("/Beispiel.prj.in")));
}

// A package is staged in one folder and unpacked in another, which need not
// exist when the catalogue is made.
void ExampleCatalogueTest::stagedCatalogueFitsItsFinalFolder()
{
    TestEnvironment env;
    const QString stage = env.path(QStringLiteral("stage/share/brekko/examples"));
    const QString final = env.path(QStringLiteral("endgültig/share/brekko/examples"));
    QProcess maker;
    maker.start(QStringLiteral(BREKKO_MAKE_EXAMPLE), {QStringLiteral(BREKKO_EXAMPLES_SOURCE), stage, final});
    QVERIFY(maker.waitForFinished());
    QCOMPARE(maker.exitCode(), 0);
    QVERIFY(!QFileInfo::exists(final));

    QVERIFY(QDir().mkpath(QFileInfo(final).path()));
    QVERIFY(QDir().rename(stage, final));
    checkCatalogue(final + QStringLiteral("/Beispiel.prj"));
}

// An installed example folder is read-only: the script writes into the
// user's home folder.
void ExampleCatalogueTest::scriptWritesIntoTheHomeFolder()
{
    TestEnvironment env;
    const QString examples = env.path(QStringLiteral("share/brekko/examples"));
    QProcess maker;
    maker.start(QStringLiteral(BREKKO_MAKE_EXAMPLE), {QStringLiteral(BREKKO_EXAMPLES_SOURCE), examples});
    QVERIFY(maker.waitForFinished());
    const ScratchMount installed(examples, examples);
    REQUIRE_MOUNT(installed);
    const QString home = env.makeFolder(QStringLiteral("home"));
    QProcess script;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.remove(QStringLiteral("DISPLAY"));
    script.setProcessEnvironment(environment);
    script.start(examples + QStringLiteral("/Programme/hallo.sh"), {});
    QVERIFY(script.waitForFinished());
    QCOMPARE(script.exitCode(), 0);
    QVERIFY(QFileInfo(home + QStringLiteral("/Brekko-Ausgabe.txt")).size() > 0);
}

BREKKO_TEST_MAIN(ExampleCatalogueTest)
#include "ExampleCatalogueTest.moc"
