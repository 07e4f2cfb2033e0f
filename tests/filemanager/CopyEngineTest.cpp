#include "FileTreeFixture.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "ScratchMount.h"
#include "TestRegistry.h"
#include "filemanager/ops/CopyEngine.h"
#include "filemanager/ops/FolderEntries.h"
#include "platform/FileOperations.h"

#include <QProcess>
#include <QTest>
#include <QThread>

#include <optional>
#include <sys/stat.h>

Q_DECLARE_METATYPE(OverwriteAnswer)
Q_DECLARE_METATYPE(RemoveAnswer)

namespace {

// Answers from lists and records what was asked.
class ScriptedQuestions : public MsgBoxCopyQuestions {
public:
    QList<OverwriteAnswer> overwrite;
    QStringList overwriteAsked;
    bool confirm = true;
    int abortAsked = 0;
    QList<RemoveAnswer> remove;
    QStringList removeAsked;

    OverwriteAnswer askOverwrite(const FileFacts &existing, const FileFacts &) override
    {
        overwriteAsked.append(QFileInfo(existing.path).fileName());
        return overwrite.isEmpty() ? OverwriteAnswer::Cancel : overwrite.takeFirst();
    }
    bool confirmAbort(bool) override
    {
        ++abortAsked;
        return confirm;
    }
    RemoveAnswer askRemoveFailed(const QString &source) override
    {
        removeAsked.append(source);
        return remove.isEmpty() ? RemoveAnswer::Cancel : remove.takeFirst();
    }
};

} // namespace

class CopyEngineTest : public QObject {
    Q_OBJECT

private slots:
    void copiesAndMovesTrees_data();
    void copiesAndMovesTrees();
    void overwriteAnswers_data();
    void overwriteAnswers();
    void abortInTheMiddleOfAFile_data();
    void abortInTheMiddleOfAFile();
    void failuresLeaveTargetsWhole_data();
    void failuresLeaveTargetsWhole();
    void killedCopyLeavesNoPartialFile_data();
    void killedCopyLeavesNoPartialFile();
    void copiesOntoAMediumWithoutLinks_data();
    void copiesOntoAMediumWithoutLinks();
    void everyAbortAsks_data();
    void everyAbortAsks();
    void unreadableSourcesAreReported_data();
    void unreadableSourcesAreReported();
    void failedRemovalAnswers_data();
    void failedRemovalAnswers();
    void refusals_data();
    void refusals();
    void selectionSizeCountsLinksAsThemselves();
    void progressOnlyWhenThePercentageChanges();
};

void CopyEngineTest::copiesAndMovesTrees_data()
{
    QTest::addColumn<bool>("move");
    QTest::newRow("copy") << false;
    QTest::newRow("move") << true;
}

void CopyEngineTest::copiesAndMovesTrees()
{
    QFETCH(bool, move);
    TestEnvironment env;
    const QString source = env.makeFolder(QStringLiteral("source"));
    const QString outside = env.makeFolder(QStringLiteral("outside"));
    FileTree::makeSample(source + QStringLiteral("/tree"), outside);
    FileTree::write(source + QStringLiteral("/single.txt"), "single");
    const QStringList before = FileTree::listing(source);
    const QStringList outsideBefore = FileTree::listing(outside);

    ScriptedQuestions questions;
    CopyEngine engine({move, true, true}, questions);
    const QString target = env.makeFolder(QStringLiteral("target"));
    const QStringList names{QStringLiteral("tree"), QStringLiteral("single.txt")};
    QVERIFY(engine.run(source, names, target, SelectionSize(source, names)));

    QCOMPARE(FileTree::listing(target), before);
    QCOMPARE(FileTree::listing(outside), outsideBefore);
    QVERIFY(questions.overwriteAsked.isEmpty());
    if (move)
        QCOMPARE(FileTree::listing(source), QStringList());
    else
        QCOMPARE(FileTree::listing(source), before);
}

void CopyEngineTest::overwriteAnswers_data()
{
    QTest::addColumn<bool>("move");
    QTest::addColumn<QList<OverwriteAnswer>>("answers");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("asked");
    QTest::addColumn<QByteArray>("targetA");
    QTest::addColumn<QByteArray>("targetB");
    QTest::addColumn<bool>("sourcesKept");
    using A = OverwriteAnswer;
    QTest::newRow("overwrite each") << false << QList<A>{A::Overwrite, A::Overwrite} << true << 2 << QByteArray("new a")
                                    << QByteArray("new b") << true;
    QTest::newRow("overwrite all holds in subfolders")
        << true << QList<A>{A::OverwriteAll} << true << 1 << QByteArray("new a") << QByteArray("new b") << false;
    QTest::newRow("skip leaves the target and keeps the moved source")
        << true << QList<A>{A::Skip, A::Skip} << true << 2 << QByteArray("old a") << QByteArray("old b") << true;
    QTest::newRow("cancel stops the run")
        << true << QList<A>{A::Cancel} << false << 1 << QByteArray("old a") << QByteArray("old b") << true;
}

void CopyEngineTest::overwriteAnswers()
{
    QFETCH(bool, move);
    QFETCH(QList<OverwriteAnswer>, answers);
    QFETCH(bool, result);
    QFETCH(int, asked);
    QFETCH(QByteArray, targetA);
    QFETCH(QByteArray, targetB);
    QFETCH(bool, sourcesKept);
    TestEnvironment env;
    FileTree::write(env.path(QStringLiteral("src/d/a.txt")), "new a");
    FileTree::write(env.path(QStringLiteral("src/d/sub/b.txt")), "new b");
    FileTree::write(env.path(QStringLiteral("dst/d/a.txt")), "old a");
    FileTree::write(env.path(QStringLiteral("dst/d/sub/b.txt")), "old b");

    ScriptedQuestions questions;
    questions.overwrite = answers;
    CopyEngine engine({move, true, true}, questions);
    QCOMPARE(engine.run(env.path(QStringLiteral("src")), {QStringLiteral("d")}, env.path(QStringLiteral("dst")), 10),
             result);
    QCOMPARE(questions.overwriteAsked.size(), asked);
    QCOMPARE(FileBytes(env.path(QStringLiteral("dst/d/a.txt"))), targetA);
    QCOMPARE(FileBytes(env.path(QStringLiteral("dst/d/sub/b.txt"))), targetB);
    QCOMPARE(QFile::exists(env.path(QStringLiteral("src/d/a.txt"))), sourcesKept);
    QCOMPARE(QFile::exists(env.path(QStringLiteral("src/d/sub/b.txt"))), sourcesKept);
}

void CopyEngineTest::abortInTheMiddleOfAFile_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("declined") << false;
}

void CopyEngineTest::abortInTheMiddleOfAFile()
{
    QFETCH(bool, confirm);
    TestEnvironment env;
    const QByteArray bytes(5 * CopyEngine::BlockSize + 7, 'z');
    FileTree::write(env.path(QStringLiteral("src/big.bin")), bytes);
    FileTree::write(env.path(QStringLiteral("src/next.txt")), "next");
    ScriptedQuestions questions;
    questions.confirm = confirm;
    CopyEngine engine({true, true, true}, questions);
    engine.onFile = [&engine](const QString &, const QString &) { engine.requestAbort(); };
    const QString target = env.makeFolder(QStringLiteral("dst"));
    const bool done = engine.run(env.path(QStringLiteral("src")),
                                 {QStringLiteral("big.bin"), QStringLiteral("next.txt")}, target, bytes.size() + 4);
    QCOMPARE(done, !confirm);
    QCOMPARE(questions.abortAsked, confirm ? 1 : 2);
    QCOMPARE(QFile::exists(env.path(QStringLiteral("src/big.bin"))), confirm);
    if (confirm) {
        QCOMPARE(FileTree::listing(target), QStringList());
        QCOMPARE(FileBytes(env.path(QStringLiteral("src/next.txt"))), QByteArray("next"));
    } else {
        QCOMPARE(FileBytes(target + QStringLiteral("/big.bin")), bytes);
    }
}

void CopyEngineTest::failuresLeaveTargetsWhole_data()
{
    QTest::addColumn<bool>("fullMedium");
    QTest::addColumn<bool>("move");
    QTest::addColumn<QByteArray>("oldTarget");
    QTest::newRow("medium fills, new name") << true << true << QByteArray();
    QTest::newRow("medium fills while overwriting") << true << false << QByteArray("old target");
    QTest::newRow("medium fills while moving over a file") << true << true << QByteArray("old target");
    QTest::newRow("abort confirmed while overwriting") << false << true << QByteArray("old target");
    QTest::newRow("abort confirmed, new name") << false << false << QByteArray();
}

void CopyEngineTest::failuresLeaveTargetsWhole()
{
    QFETCH(bool, fullMedium);
    QFETCH(bool, move);
    QFETCH(QByteArray, oldTarget);
    TestEnvironment env;
    const QString target = env.path(QStringLiteral("target"));
    const ScratchMount medium(64, target);
    REQUIRE_MOUNT(medium);
    const QByteArray bytes(fullMedium ? 300000 : 5 * CopyEngine::BlockSize, 'q');
    FileTree::write(env.path(QStringLiteral("src/large.bin")), bytes);
    FileTree::write(env.path(QStringLiteral("src/after.txt")), "after");
    if (!oldTarget.isNull())
        FileTree::write(target + QStringLiteral("/large.bin"), oldTarget);
    const QStringList targetBefore = FileTree::listing(target);

    MsgBoxRecorder recorder;
    if (fullMedium)
        recorder.answer(MsgBox::ResultOk);
    ScriptedQuestions questions;
    questions.overwrite = {OverwriteAnswer::Overwrite};
    OperationObserver observer;
    CopyEngine *running = nullptr;
    if (!fullMedium)
        observer.progress = [&running](int) { running->requestAbort(); };
    CopyEngine engine({move, true, true}, questions, observer);
    running = &engine;
    QVERIFY(!engine.run(env.path(QStringLiteral("src")), {QStringLiteral("large.bin"), QStringLiteral("after.txt")},
                        target, bytes.size() + 5));

    QCOMPARE(FileTree::listing(target), targetBefore);
    QCOMPARE(FileBytes(env.path(QStringLiteral("src/large.bin"))), bytes);
    QCOMPARE(questions.abortAsked, fullMedium ? 0 : 1);
    QCOMPARE(recorder.count(), fullMedium ? 1 : 0);
    if (fullMedium) {
        QCOMPARE(recorder.last().caption, QStringLiteral("Fehler: Datei konnte nicht kopiert werden..."));
        QVERIFY(recorder.last().text.endsWith(QStringLiteral(":\rKein freier Speicherplatz auf dem Datenträger")));
    }
}

void CopyEngineTest::killedCopyLeavesNoPartialFile_data()
{
    QTest::addColumn<bool>("move");
    QTest::addColumn<QByteArray>("oldTarget");
    QTest::newRow("copy to a new name") << false << QByteArray();
    QTest::newRow("copy over a file") << false << QByteArray("old target");
    QTest::newRow("move to a new name") << true << QByteArray();
    QTest::newRow("move over a file") << true << QByteArray("old target");
}

void CopyEngineTest::killedCopyLeavesNoPartialFile()
{
    QFETCH(bool, move);
    QFETCH(QByteArray, oldTarget);
    TestEnvironment env;
    QByteArray bytes(200 * CopyEngine::BlockSize, '\0');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 7 + i / 4096);
    FileTree::write(env.path(QStringLiteral("src/big.bin")), bytes);
    const QString target = env.makeFolder(QStringLiteral("target"));
    if (!oldTarget.isNull())
        FileTree::write(target + QStringLiteral("/big.bin"), oldTarget);
    const QStringList targetBefore = FileTree::listing(target);

    QProcess child;
    child.start(QStringLiteral(COPY_KILL_CHILD),
                {env.path(QStringLiteral("src")), QStringLiteral("big.bin"), target,
                 move ? QStringLiteral("move") : QStringLiteral("copy"), QStringLiteral("50")});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    QCOMPARE(FileTree::listing(target), targetBefore);
    QCOMPARE(FileBytes(env.path(QStringLiteral("src/big.bin"))), bytes);
}

void CopyEngineTest::copiesOntoAMediumWithoutLinks_data()
{
    QTest::addColumn<bool>("move");
    QTest::addColumn<bool>("overFiles");
    QTest::newRow("copy to new names") << false << false;
    QTest::newRow("move over files") << true << true;
}

// exFAT through FUSE has no unnamed files, no hard links and no rename that
// refuses to replace: copies still get their names, old files are replaced.
void CopyEngineTest::copiesOntoAMediumWithoutLinks()
{
    QFETCH(bool, move);
    QFETCH(bool, overFiles);
    TestEnvironment env;
    const ScratchMount medium(ScratchMount::Exfat{3072});
    REQUIRE_EXFAT(medium);
    const QByteArray bytes(3 * CopyEngine::BlockSize + 1, 'b');
    FileTree::write(env.path(QStringLiteral("src/d/a.txt")), "new a");
    FileTree::write(env.path(QStringLiteral("src/d/sub/b.bin")), bytes);
    if (overFiles) {
        FileTree::write(medium.path(QStringLiteral("d/a.txt")), "old a");
        FileTree::write(medium.path(QStringLiteral("d/sub/b.bin")), "old b");
    }

    ScriptedQuestions questions;
    questions.overwrite = {OverwriteAnswer::OverwriteAll};
    CopyEngine engine({move, true, true}, questions);
    QVERIFY(engine.run(env.path(QStringLiteral("src")), {QStringLiteral("d")}, medium.path(), bytes.size() + 5));
    QCOMPARE(FileTree::paths(medium.path()), (QStringList{"d", "d/a.txt", "d/sub", "d/sub/b.bin"}));
    QCOMPARE(FileBytes(medium.path(QStringLiteral("d/a.txt"))), QByteArray("new a"));
    QCOMPARE(FileBytes(medium.path(QStringLiteral("d/sub/b.bin"))), bytes);
    QCOMPARE(QFile::exists(env.path(QStringLiteral("src/d/a.txt"))), !move);
}

void CopyEngineTest::everyAbortAsks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("afterLastBlock");
    QTest::addColumn<bool>("confirm");
    QTest::newRow("empty file, confirmed") << "empty" << false << true;
    QTest::newRow("link, confirmed") << "link" << false << true;
    QTest::newRow("after the last block, confirmed") << "small" << true << true;
    QTest::newRow("after the last block, declined") << "small" << true << false;
}

// The abort is pressed while events run: before the file is opened, or
// between its last block and the end of the copy.
void CopyEngineTest::everyAbortAsks()
{
    QFETCH(QString, kind);
    QFETCH(bool, afterLastBlock);
    QFETCH(bool, confirm);
    TestEnvironment env;
    const QString source = env.path(QStringLiteral("src/item"));
    env.makeFolder(QStringLiteral("src"));
    if (kind == QLatin1String("link"))
        QFile::link(QStringLiteral("elsewhere"), source);
    else
        FileTree::write(source, kind == QLatin1String("empty") ? QByteArray() : QByteArray(100, 's'));
    const QString target = env.makeFolder(QStringLiteral("dst"));

    ScriptedQuestions questions;
    questions.confirm = confirm;
    const auto letEventsRunNext = [] { QThread::msleep(EventPump::DefaultIntervalMs + 5); };
    OperationObserver observer;
    CopyEngine *running = nullptr;
    bool pressed = false;
    observer.runPendingEvents = [&] {
        if (!std::exchange(pressed, true))
            running->requestAbort();
    };
    if (afterLastBlock)
        observer.progress = [&](int) { letEventsRunNext(); };
    CopyEngine engine({false, true, true}, questions, observer);
    running = &engine;
    if (!afterLastBlock)
        engine.onFile = [&](const QString &, const QString &) { letEventsRunNext(); };
    QCOMPARE(engine.run(env.path(QStringLiteral("src")), {QStringLiteral("item")}, target, 100), !confirm);
    QCOMPARE(questions.abortAsked, 1);
    QCOMPARE(FileOperations::entryExists(target + QStringLiteral("/item")), !confirm);
}

void CopyEngineTest::unreadableSourcesAreReported_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::addColumn<QString>("reason");
    QTest::newRow("vanished") << false << "Datei oder Verzeichnis nicht gefunden";
    QTest::newRow("pipe without a writer") << true << "Keine gewöhnliche Datei (Gerät, Pipe oder Socket)";
}

void CopyEngineTest::unreadableSourcesAreReported()
{
    QFETCH(bool, pipe);
    QFETCH(QString, reason);
    TestEnvironment env;
    FileTree::write(env.path(QStringLiteral("src/there.txt")), "there");
    if (pipe)
        QCOMPARE(::mkfifo(QFile::encodeName(env.path(QStringLiteral("src/odd"))).constData(), 0644), 0);
    MsgBoxRecorder recorder;
    recorder.answer(MsgBox::ResultOk);
    ScriptedQuestions questions;
    CopyEngine engine({true, true, true}, questions);
    const QString target = env.makeFolder(QStringLiteral("dst"));
    QVERIFY(
        !engine.run(env.path(QStringLiteral("src")), {QStringLiteral("odd"), QStringLiteral("there.txt")}, target, 5));
    QCOMPARE(recorder.count(), 1);
    QVERIFY(recorder.last().text.contains(QStringLiteral("/src/odd\"")));
    QVERIFY(recorder.last().text.endsWith(reason));
    QCOMPARE(FileTree::listing(target), QStringList());
    QVERIFY(QFile::exists(env.path(QStringLiteral("src/there.txt"))));
}

void CopyEngineTest::failedRemovalAnswers_data()
{
    QTest::addColumn<QList<RemoveAnswer>>("answers");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("copied");
    QTest::newRow("ignore asks for each")
        << QList<RemoveAnswer>{RemoveAnswer::Ignore, RemoveAnswer::Ignore} << true << 2 << 2;
    QTest::newRow("all asks once") << QList<RemoveAnswer>{RemoveAnswer::All} << true << 1 << 2;
    QTest::newRow("cancel stops") << QList<RemoveAnswer>{RemoveAnswer::Cancel} << false << 1 << 1;
}

void CopyEngineTest::failedRemovalAnswers()
{
    QFETCH(QList<RemoveAnswer>, answers);
    QFETCH(bool, result);
    QFETCH(int, asked);
    QFETCH(int, copied);
    TestEnvironment env;
    const QString source = env.path(QStringLiteral("src"));
    FileTree::write(source + QStringLiteral("/one.txt"), "one");
    FileTree::write(source + QStringLiteral("/two.txt"), "two");
    const ScratchMount readOnly(source, source);
    REQUIRE_MOUNT(readOnly);
    ScriptedQuestions questions;
    questions.remove = answers;
    CopyEngine engine({true, true, true}, questions);
    const QString target = env.makeFolder(QStringLiteral("dst"));
    QCOMPARE(engine.run(source, {QStringLiteral("one.txt"), QStringLiteral("two.txt")}, target, 6), result);
    QCOMPARE(questions.removeAsked.size(), asked);
    QCOMPARE(FileTree::listing(target).size(), copied);
    QVERIFY(QFile::exists(source + QStringLiteral("/one.txt")));
}

void CopyEngineTest::refusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("refused");
    QTest::newRow("folder into itself") << "d"
                                        << "src/d" << true;
    QTest::newRow("folder below itself, not yet made") << "d"
                                                       << "src/d/x/y" << true;
    QTest::newRow("folder below itself through a link") << "d"
                                                        << "via-link/x" << true;
    QTest::newRow("folder below itself through a bind mount") << "d"
                                                              << "bound/x" << true;
    QTest::newRow("sibling with a longer name") << "d"
                                                << "src/dd" << false;
    QTest::newRow("file onto itself") << "f.txt"
                                      << "src" << true;
    QTest::newRow("file onto itself through a link") << "f.txt"
                                                     << "src-link" << true;
    QTest::newRow("file onto a folder of its name") << "f.txt"
                                                    << "clash" << true;
    QTest::newRow("folder onto a file of its name") << "d"
                                                    << "clash" << true;
    QTest::newRow("file onto a folder deeper down") << "d"
                                                    << "deep" << true;
    QTest::newRow("elsewhere") << "d"
                               << "dst" << false;
}

void CopyEngineTest::refusals()
{
    QFETCH(QString, name);
    QFETCH(QString, target);
    QFETCH(bool, refused);
    TestEnvironment env;
    FileTree::write(env.path(QStringLiteral("src/d/inside.txt")), "x");
    FileTree::write(env.path(QStringLiteral("src/f.txt")), "x");
    env.makeFolder(QStringLiteral("src/dd"));
    env.makeFolder(QStringLiteral("clash/f.txt"));
    FileTree::write(env.path(QStringLiteral("clash/d")), "a file");
    env.makeFolder(QStringLiteral("deep/d/inside.txt"));
    QFile::link(env.path(QStringLiteral("src/d")), env.path(QStringLiteral("via-link")));
    QFile::link(env.path(QStringLiteral("src")), env.path(QStringLiteral("src-link")));
    std::optional<ScratchMount> bound;
    if (target.startsWith(QLatin1String("bound"))) {
        bound.emplace(env.path(QStringLiteral("src/d")), env.makeFolder(QStringLiteral("bound")));
        REQUIRE_MOUNT(*bound);
    }
    const QStringList before = FileTree::listing(env.root());
    for (bool move : {false, true}) {
        const QString text = CopyRefusal(env.path(QStringLiteral("src")), {name}, env.path(target), move);
        QCOMPARE(!text.isEmpty(), refused);
        if (refused)
            QVERIFY(text.contains(name));
    }
    QCOMPARE(FileTree::listing(env.root()), before);
}

void CopyEngineTest::selectionSizeCountsLinksAsThemselves()
{
    TestEnvironment env;
    FileTree::write(env.path(QStringLiteral("src/d/a.bin")), QByteArray(1000, 'a'));
    FileTree::write(env.path(QStringLiteral("src/d/.hidden")), QByteArray(10, 'h'));
    FileTree::write(env.path(QStringLiteral("src/d/.dotfolder/skipped.bin")), QByteArray(5000, 's'));
    FileTree::write(env.path(QStringLiteral("big/huge.bin")), QByteArray(100000, 'b'));
    QFile::link(env.path(QStringLiteral("big")), env.path(QStringLiteral("src/d/folder-link")));
    QFile::link(QStringLiteral("abc"), env.path(QStringLiteral("src/short-link")));
    const qint64 linkLength = env.path(QStringLiteral("big")).toUtf8().size();
    QCOMPARE(SelectionSize(env.path(QStringLiteral("src")), {QStringLiteral("d"), QStringLiteral("short-link")}),
             1000 + 10 + linkLength + 3);
}

void CopyEngineTest::progressOnlyWhenThePercentageChanges()
{
    TestEnvironment env;
    QStringList names;
    for (int i = 0; i < 300; ++i) {
        names.append(QStringLiteral("f%1").arg(i));
        FileTree::write(env.path(QStringLiteral("src/") + names.last()), QByteArray(100, 'p'));
    }
    QList<int> reported;
    OperationObserver observer;
    observer.progress = [&reported](int percent) { reported.append(percent); };
    ScriptedQuestions questions;
    CopyEngine engine({false, true, true}, questions, observer);
    const QString source = env.path(QStringLiteral("src"));
    QVERIFY(engine.run(source, names, env.makeFolder(QStringLiteral("dst")), SelectionSize(source, names)));
    QCOMPARE(engine.bytesDone(), qint64(30000));
    QCOMPARE(reported.last(), 100);
    for (int i = 1; i < reported.size(); ++i)
        QVERIFY(reported[i] > reported[i - 1]);
}

BREKKO_TEST_MAIN(CopyEngineTest)
#include "CopyEngineTest.moc"
