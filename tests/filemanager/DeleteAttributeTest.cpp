#include "FileTreeFixture.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "ScratchMount.h"
#include "TestRegistry.h"
#include "filemanager/ops/AttributeScan.h"
#include "filemanager/ops/DeleteEngine.h"
#include "filemanager/ops/GroupSelection.h"
#include "platform/FileOperations.h"

#include "FileBytes.h"

#include <QTest>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t modeOf(const QString &path)
{
    struct stat st;
    ::lstat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

QStringList trashContents(const TestEnvironment &env)
{
    return QDir(env.path(QStringLiteral("data/Trash/files")))
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class DeleteAttributeTest : public QObject {
    Q_OBJECT

private slots:
    void deletesOnlyTheSelection_data();
    void deletesOnlyTheSelection();
    void failureAnswers_data();
    void failureAnswers();
    void trashLocations_data();
    void trashLocations();
    void scanStates_data();
    void scanStates();
    void applyingReadOnly_data();
    void applyingReadOnly();
    void groupPatternRefusals_data();
    void groupPatternRefusals();
};

void DeleteAttributeTest::deletesOnlyTheSelection_data()
{
    QTest::addColumn<bool>("toTrash");
    QTest::newRow("to the trash") << true;
    QTest::newRow("for good") << false;
}

void DeleteAttributeTest::deletesOnlyTheSelection()
{
    QFETCH(bool, toTrash);
    TestEnvironment env;
    const QString folder = env.makeFolder(QStringLiteral("list"));
    const QString outside = env.makeFolder(QStringLiteral("outside"));
    FileTree::makeSample(folder + QStringLiteral("/tree"), outside);
    FileTree::write(folder + QStringLiteral("/locked.txt"), "locked");
    FileTree::makeReadOnly(folder + QStringLiteral("/locked.txt"));
    FileTree::write(folder + QStringLiteral("/kept.txt"), "kept");
    QFile::link(outside, folder + QStringLiteral("/folder-link"));
    const QStringList outsideBefore = FileTree::listing(outside);

    MsgBoxRecorder recorder;
    MsgBoxDeleteQuestions questions;
    DeleteEngine engine(toTrash, questions);
    const QStringList names{QStringLiteral("tree"), QStringLiteral("locked.txt"), QStringLiteral("folder-link"),
                            QStringLiteral("already-gone")};
    QVERIFY(engine.run(folder, names));
    QCOMPARE(recorder.count(), 0);
    QCOMPARE(FileTree::listing(folder),
             QStringList{QStringLiteral("kept.txt|file|644|")
                         + QString::fromLatin1(QCryptographicHash::hash("kept", QCryptographicHash::Md5).toHex())});
    QCOMPARE(FileTree::listing(outside), outsideBefore);
    const QStringList trashed = trashContents(env);
    if (toTrash)
        QCOMPARE(trashed,
                 (QStringList{QStringLiteral("folder-link"), QStringLiteral("locked.txt"), QStringLiteral("tree")}));
    else
        QVERIFY(trashed.isEmpty());
}

void DeleteAttributeTest::failureAnswers_data()
{
    QTest::addColumn<bool>("toTrash");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("boxes");
    QTest::newRow("retry, then ignore each")
        << false << QList<int>{MsgBox::ResultRetry, MsgBox::ResultIgnore, MsgBox::ResultIgnore, MsgBox::ResultIgnore}
        << true << 4;
    QTest::newRow("all never asks again") << false << QList<int>{MsgBox::ResultAll} << true << 1;
    QTest::newRow("cancel stops at once") << false << QList<int>{MsgBox::ResultCancel} << false << 1;
    QTest::newRow("no trash on a read-only medium")
        << true << QList<int>{MsgBox::ResultIgnore, MsgBox::ResultIgnore, MsgBox::ResultCancel} << false << 3;
}

void DeleteAttributeTest::failureAnswers()
{
    QFETCH(bool, toTrash);
    QFETCH(QList<int>, answers);
    QFETCH(bool, result);
    QFETCH(int, boxes);
    TestEnvironment env;
    const QString folder = env.path(QStringLiteral("ro"));
    FileTree::write(folder + QStringLiteral("/a.txt"), "a");
    FileTree::write(folder + QStringLiteral("/b.txt"), "b");
    FileTree::makeReadOnly(folder + QStringLiteral("/b.txt"));
    FileTree::write(folder + QStringLiteral("/sub/c.txt"), "c");
    const QStringList before = FileTree::listing(folder);
    const ScratchMount readOnly(folder, folder);
    REQUIRE_MOUNT(readOnly);
    MsgBoxRecorder recorder;
    for (int answer : answers)
        recorder.answer(answer);
    MsgBoxDeleteQuestions questions;
    DeleteEngine engine(toTrash, questions);
    QCOMPARE(engine.run(folder, {QStringLiteral("a.txt"), QStringLiteral("b.txt"), QStringLiteral("sub")}), result);
    QCOMPARE(recorder.count(), boxes);
    const MsgBox::Request &first = recorder.boxes().first();
    QCOMPARE(first.caption, QStringLiteral("Fehler: Objekt konnte nicht gelöscht werden..."));
    QCOMPARE(first.text, QStringLiteral("Die Datei\r\"") + folder + QStringLiteral("/a.txt\"\r")
                             + (toTrash ? QStringLiteral("konnte nicht in den Papierkorb verschoben werden.")
                                        : QStringLiteral("konnte nicht gelöscht werden."))
                             + QStringLiteral("\rWie weiterverfahren ?"));
    QCOMPARE(first.helpContext, 80370);
    if (boxes >= 3) {
        QVERIFY(recorder.boxes()[boxes - 2].text.startsWith(QStringLiteral("Die schreibgeschützte Datei\r")));
        QVERIFY(recorder.boxes()[boxes - 1].text.startsWith(QStringLiteral("Das Verzeichnis\r")));
    }
    QCOMPARE(FileTree::listing(folder), before);
    QVERIFY(trashContents(env).isEmpty());
    QVERIFY(QDir(env.path(QStringLiteral("data/Trash/info"))).isEmpty());
}

void DeleteAttributeTest::trashLocations_data()
{
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<QString>("mediumTrash");
    QTest::addColumn<QString>("trash");
    const QString uid = QString::number(::getuid());
    QTest::newRow("own trash made where data home is missing") << "new/data"
                                                               << ""
                                                               << "new/data/Trash";
    QTest::newRow("data home unset") << "-"
                                     << ""
                                     << "home/.local/share/Trash";
    QTest::newRow("relative data home ignored") << "relative/data"
                                                << ""
                                                << "home/.local/share/Trash";
    QTest::newRow("medium without a trash") << "new/data"
                                            << "none"
                                            << "medium/.Trash-" + uid;
    QTest::newRow("medium with a shared trash") << "new/data"
                                                << "sticky"
                                                << "medium/.Trash/" + uid;
    QTest::newRow("shared trash without sticky bit ignored") << "new/data"
                                                             << "plain"
                                                             << "medium/.Trash-" + uid;
}

void DeleteAttributeTest::trashLocations()
{
    QFETCH(QString, dataHome);
    QFETCH(QString, mediumTrash);
    QFETCH(QString, trash);
    TestEnvironment env;
    if (dataHome == QLatin1String("-"))
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", dataHome.startsWith(QLatin1String("relative"))
                                     ? dataHome.toUtf8()
                                     : QFile::encodeName(env.path(dataHome)));
    std::optional<ScratchMount> medium;
    QString top = env.root();
    if (!mediumTrash.isEmpty()) {
        medium.emplace(1024, env.path(QStringLiteral("medium")));
        REQUIRE_MOUNT(*medium);
        top = medium->path();
        if (mediumTrash != QLatin1String("none")) {
            QDir().mkdir(top + QStringLiteral("/.Trash"));
            ::chmod(QFile::encodeName(top + QStringLiteral("/.Trash")).constData(),
                    mediumTrash == QLatin1String("sticky") ? 01777 : 0777);
        }
    }
    const QString folder = top + QStringLiteral("/list");
    FileTree::write(folder + QStringLiteral("/a b.txt"), "file");
    FileTree::write(folder + QStringLiteral("/sub/inner.txt"), "inner");

    MsgBoxRecorder recorder;
    MsgBoxDeleteQuestions questions;
    DeleteEngine engine(true, questions);
    QVERIFY(engine.run(folder, {QStringLiteral("a b.txt"), QStringLiteral("sub")}));
    QCOMPARE(FileTree::listing(folder), QStringList());
    const QString place = env.path(trash);
    QCOMPARE(FileBytes(place + QStringLiteral("/files/a b.txt")), QByteArray("file"));
    QCOMPARE(FileBytes(place + QStringLiteral("/files/sub/inner.txt")), QByteArray("inner"));
    const QString recorded =
        medium ? QStringLiteral("list/a%20b.txt")
               : QString::fromLatin1(QFile::encodeName(folder).toPercentEncoding("/")) + QStringLiteral("/a%20b.txt");
    const QStringList info = QString::fromUtf8(FileBytes(place + QStringLiteral("/info/a b.txt.trashinfo")))
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(info.size(), 3);
    QCOMPARE(info[0], QStringLiteral("[Trash Info]"));
    QCOMPARE(info[1], QStringLiteral("Path=") + recorded);
    QVERIFY(QDateTime::fromString(info[2].mid(13), Qt::ISODate).isValid());
    QCOMPARE(recorder.count(), 0);
}

void DeleteAttributeTest::scanStates_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("readOnly");
    QTest::addColumn<int>("hidden");
    QTest::addColumn<qint64>("folders");
    QTest::addColumn<qint64>("files");
    QTest::addColumn<qint64>("bytes");
    QTest::newRow("read-only first") << QStringList{"ro.txt", "rw.txt"} << int(Qt::PartiallyChecked)
                                     << int(Qt::Unchecked) << qint64(0) << qint64(2) << qint64(5);
    QTest::newRow("read-only last") << QStringList{"rw.txt", "ro.txt"} << int(Qt::PartiallyChecked)
                                    << int(Qt::Unchecked) << qint64(0) << qint64(2) << qint64(5);
    QTest::newRow("all read-only") << QStringList{"ro.txt"} << int(Qt::Checked) << int(Qt::Unchecked) << qint64(0)
                                   << qint64(1) << qint64(2);
    QTest::newRow("folder with hidden, dot folder and link")
        << QStringList{"d"} << int(Qt::Unchecked) << int(Qt::PartiallyChecked) << qint64(2) << qint64(3)
        << qint64(1000 + 4 + 3);
    QTest::newRow("selected link as its target")
        << QStringList{"link"} << int(Qt::Checked) << int(Qt::Unchecked) << qint64(0) << qint64(1) << qint64(2);
    QTest::newRow("selected link to a folder")
        << QStringList{"dlink"} << int(Qt::Unchecked) << int(Qt::PartiallyChecked) << qint64(2) << qint64(3)
        << qint64(1000 + 4 + 3);
}

void DeleteAttributeTest::scanStates()
{
    QFETCH(QStringList, names);
    QFETCH(int, readOnly);
    QFETCH(int, hidden);
    QFETCH(qint64, folders);
    QFETCH(qint64, files);
    QFETCH(qint64, bytes);
    TestEnvironment env;
    const QString folder = env.makeFolder(QStringLiteral("list"));
    FileTree::write(folder + QStringLiteral("/ro.txt"), "ro");
    FileTree::makeReadOnly(folder + QStringLiteral("/ro.txt"));
    FileTree::write(folder + QStringLiteral("/rw.txt"), "rw!");
    FileTree::write(folder + QStringLiteral("/d/sub/a.bin"), QByteArray(1000, 'a'));
    FileTree::write(folder + QStringLiteral("/d/.env"), "hide");
    FileTree::write(folder + QStringLiteral("/d/.cache/skipped"), QByteArray(500, 's'));
    QFile::link(QStringLiteral("abc"), folder + QStringLiteral("/d/link"));
    QFile::link(QStringLiteral("ro.txt"), folder + QStringLiteral("/link"));
    QFile::link(QStringLiteral("d"), folder + QStringLiteral("/dlink"));
    int scansSeen = 0;
    const AttributeScanResult result =
        ScanAttributes(folder, names, [&scansSeen](const AttributeScanResult &) { ++scansSeen; });
    QCOMPARE(int(result.readOnly), readOnly);
    QCOMPARE(int(result.hidden), hidden);
    QCOMPARE(result.folders, folders);
    QCOMPARE(result.files, files);
    QCOMPARE(result.bytes, bytes);
    QCOMPARE(qint64(scansSeen), folders);
}

void DeleteAttributeTest::applyingReadOnly_data()
{
    QTest::addColumn<int>("wanted");
    QTest::addColumn<QList<int>>("modes");
    QTest::newRow("untouched box changes nothing") << int(Qt::PartiallyChecked) << QList<int>{0444, 0640, 0600};
    QTest::newRow("checked sets it everywhere") << int(Qt::Checked) << QList<int>{0444, 0440, 0400};
    QTest::newRow("unchecked clears it everywhere") << int(Qt::Unchecked) << QList<int>{0644, 0640, 0600};
}

void DeleteAttributeTest::applyingReadOnly()
{
    QFETCH(int, wanted);
    QFETCH(QList<int>, modes);
    TestEnvironment env;
    const QString folder = env.makeFolder(QStringLiteral("list"));
    const QStringList files{QStringLiteral("a"), QStringLiteral("d/b"), QStringLiteral("d/c")};
    const QList<int> start{0444, 0640, 0600};
    for (int i = 0; i < files.size(); ++i) {
        FileTree::write(folder + QLatin1Char('/') + files[i], "x");
        ::chmod(QFile::encodeName(folder + QLatin1Char('/') + files[i]).constData(), mode_t(start[i]));
    }
    FileTree::write(env.path(QStringLiteral("target-of-link")), "t");
    QFile::link(env.path(QStringLiteral("target-of-link")), folder + QStringLiteral("/d/link"));
    const mode_t linkTargetMode = modeOf(env.path(QStringLiteral("target-of-link")));

    const QStringList names{QStringLiteral("a"), QStringLiteral("d")};
    const AttributeScanResult scanned = ScanAttributes(folder, names);
    QCOMPARE(scanned.readOnly, Qt::PartiallyChecked);
    MsgBoxRecorder recorder;
    MsgBoxAttributeQuestions questions;
    QVERIFY(ApplyReadOnly(folder, names, scanned.readOnly, Qt::CheckState(wanted), questions));
    for (int i = 0; i < files.size(); ++i)
        QCOMPARE(int(modeOf(folder + QLatin1Char('/') + files[i])), modes[i]);
    QCOMPARE(modeOf(env.path(QStringLiteral("target-of-link"))), linkTargetMode);
    QCOMPARE(recorder.count(), 0);
}

void DeleteAttributeTest::groupPatternRefusals_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("empty") << ""
                           << "Keine Selektionskriterien angegeben.";
    QTest::newRow("no dot") << "readme"
                            << "Kein \".\"-Trennzeichen angegeben.";
    QTest::newRow("no name") << ".txt"
                             << "Kein Dateiname angegeben.";
    QTest::newRow("no extension") << "readme."
                                  << "Keine Dateierweiterung angegeben.";
    QTest::newRow("name check comes before characters") << "/x."
                                                        << "Keine Dateierweiterung angegeben.";
    QTest::newRow("bad character") << "a/b.txt"
                                   << "Enthält ungültiges Zeichen: \\/:\"<>|";
    QTest::newRow("pipe") << "a.t|t"
                          << "Enthält ungültiges Zeichen: \\/:\"<>|";
    QTest::newRow("several dots") << "a.b.c"
                                  << "";
    QTest::newRow("wildcards") << "*.*"
                               << "";
}

void DeleteAttributeTest::groupPatternRefusals()
{
    QFETCH(QString, pattern);
    QFETCH(QString, refusal);
    QCOMPARE(GroupPatternRefusal(pattern), refusal);
}

BREKKO_TEST_MAIN(DeleteAttributeTest)
#include "DeleteAttributeTest.moc"
