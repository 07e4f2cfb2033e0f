#include "RarTestArchives.h"

#include "FileBytes.h"
#include "FileTreeFixture.h"
#include "ScratchMount.h"
#include "TestRegistry.h"
#include "archive/ArchiveCommandLine.h"
#include "archive/rar/RarCommandLine.h"
#include "archive/rar/RarVolumes.h"
#include "archive/rar/TRAR.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/stat.h>

namespace {

QString sample(const QString &name)
{
    return QStringLiteral(BREKKO_TEST_DATA) + QStringLiteral("/rar/") + name;
}

// A sample archive by its file name, else one written by kind into folder.
QString archiveFor(const QString &name, const QString &folder)
{
    return name.endsWith(QLatin1String(".rar")) ? sample(name) : writeRarArchive(name, folder);
}

struct Run {
    int code = 0;
    QString out;
    QString err;
};

Run run(const QString &mode, const QStringList &args)
{
    Run result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.code = RunArchiveCommand(mode, args, out, err);
    return result;
}

} // namespace

class RarArchiveTest : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void extractsLinks();
    void sameNameKeepsTheFirst_data();
    void sameNameKeepsTheFirst();
    void reportsComments_data();
    void reportsComments();
    void extractsSamplesWithContent();
    void refusesHostileEntries();
    void missingVolumeFailsWithoutPartialFile();
    void cancelInsideEntryLeavesNoFile();
    void fullDiskLeavesNoFile();
    void emptyArchiveNameIsNotAnArchive();
    void nextVolumeName_data();
    void nextVolumeName();
    void sniffsContent();
};

void RarArchiveTest::commandLine_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("archive");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("lines");
    // Expected on the error stream; empty: nothing at all.
    QTest::addColumn<QString>("error");

    const QString damaged = QStringLiteral("CRC fehler, Daten beschädigt");
    const QString encrypted = QStringLiteral("verschlüsselte RAR-Daten können nicht entpackt werden");
    QTest::newRow("list rar5 stored") << "--list"
                                      << "test_read_format_rar5_stored.rar" << 0
                                      << QStringList{"helloworld.txt\t29\t29"} << "";
    QTest::newRow("list rar4 unicode names")
        << "--list"
        << "test_read_format_rar_unicode.rar" << 0
        << QStringList{QString::fromUtf8("abcdefghijklmnopqrsテスト.txt\t16\t15")} << "";
    QTest::newRow("list oem names") << "--list"
                                    << "oem names" << 0 << QStringList{"Müller.txt\t1\t1", "Mäller.txt\t1\t1"} << "";
    QTest::newRow("list link sizes") << "--list"
                                     << "links" << 0
                                     << QStringList{"b.txt\t11\t0", "c.txt\t11\t0", "ln\t5\t0", "d.txt\t0\t0"} << "";
    QTest::newRow("list rar4 link size") << "--list"
                                         << "test_read_format_rar.rar" << 0 << QStringList{"testlink\t8\t8"} << "";
    QTest::newRow("list split packed size")
        << "--list"
        << "test_rar_multivolume_single_file.rar" << 0 << QStringList{"LibarchiveAddingTest.html\t20111\t20111"} << "";
    QTest::newRow("list newline escaped") << "--list"
                                          << "newline name" << 0 << QStringList{"zeile\\neins.txt\t1\t1"} << "";
    QTest::newRow("list cut") << "--list"
                              << "rar5 cut" << 2 << QStringList{"b.txt\t4\t4"} << damaged;
    QTest::newRow("list invalid") << "--list"
                                  << "test_read_format_rar_invalid1.rar" << 2 << QStringList{} << damaged;
    QTest::newRow("list missing file") << "--list"
                                       << "nothing-here.rar" << 2 << QStringList{} << "nothing-here.rar";
    QTest::newRow("list encrypted headers, rar5") << "--list"
                                                  << "rar5 encrypted headers" << 2 << QStringList{} << encrypted;
    QTest::newRow("list encrypted headers, rar4") << "--list"
                                                  << "rar4 encrypted headers" << 2 << QStringList{} << encrypted;
    QTest::newRow("test volumes") << "--test"
                                  << "test_rar_multivolume_single_file.rar" << 0
                                  << QStringList{"LibarchiveAddingTest.html\tOK"} << "";
    QTest::newRow("test rar5 split set") << "--test"
                                         << "rar5 split" << 0 << QStringList{"gross.txt\tOK"} << "";
    QTest::newRow("test rar5 volumes") << "--test"
                                       << "rar5 volumes" << 0 << QStringList{"a.txt\tOK", "b.txt\tOK"} << "";
    QTest::newRow("test rar4 volumes") << "--test"
                                       << "rar4 volumes" << 0 << QStringList{"a.txt\tOK", "b.txt\tOK"} << "";
    QTest::newRow("test compressed rar5")
        << "--test"
        << "test_read_format_rar5_multiple_files.rar" << 0 << QStringList{"test1.bin\tOK", "test4.bin\tOK"} << "";
    QTest::newRow("test folders and empty files")
        << "--test"
        << "folders" << 0 << QStringList{"dir\tOK", "dir/a.txt\tOK", "leer.txt\tOK"} << "";
    QTest::newRow("test links") << "--test"
                                << "links" << 1
                                << QStringList{"b.txt\tOK", "c.txt\tOK", "ln\tOK",
                                               "d.txt\tFehler !!! Ziel des Links fehlt oder ist fehlerhaft; CRC "
                                               "fehler, Daten beschädigt"}
                                << "";
    QTest::newRow("test cut rar5") << "--test"
                                   << "rar5 cut" << 1 << QStringList{"a.txt\tOK", "b.txt\tOK"} << damaged;
    QTest::newRow("test rar5 start only") << "--test"
                                          << "rar5 start" << 2 << QStringList{} << damaged;
    QTest::newRow("test rar4 without end") << "--test"
                                           << "rar4 without end" << 1 << QStringList{"a.txt\tOK"} << damaged;
    QTest::newRow("test rar2 without end, as RAR 2 wrote it")
        << "--test"
        << "rar2 without end" << 0 << QStringList{"a.txt\tOK"} << "";
    QTest::newRow("test cut rar4") << "--test"
                                   << "rar4 cut" << 1 << QStringList{"a.txt\tOK"} << damaged;
    QTest::newRow("test encrypted rar4") << "--test"
                                         << "test_read_format_rar4_encrypted.rar" << 1
                                         << QStringList{"a.txt\tOK", "b.txt\tFehler !!! " + encrypted} << "";
    QTest::newRow("test encrypted rar5") << "--test"
                                         << "encrypted data" << 1
                                         << QStringList{"offen.txt\tOK", "geheim.txt\tFehler !!! " + encrypted} << "";
    QTest::newRow("test encrypted headers") << "--test"
                                            << "rar5 encrypted headers" << 2 << QStringList{} << encrypted;
    QTest::newRow("test invalid") << "--test"
                                  << "test_read_format_rar_invalid1.rar" << 1
                                  << QStringList{"test\tFehler !!! CRC fehler, Daten beschädigt"} << "";
    QTest::newRow("test missing file") << "--test"
                                       << "nothing-here.rar" << 2 << QStringList{} << "nothing-here.rar";
}

// Each archive with --password and --overwrite, which every mode takes.
void RarArchiveTest::commandLine()
{
    QFETCH(QString, mode);
    QFETCH(QString, archive);
    QFETCH(int, code);
    QFETCH(QStringList, lines);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const Run result = run(mode, {archiveFor(archive, dir.path()), "--password", "x", "--overwrite"});
    QCOMPARE(result.code, code);
    const QStringList out = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines)
        QVERIFY2(out.contains(line), qPrintable(result.out));
    if (error.isEmpty())
        QVERIFY2(result.err.isEmpty(), qPrintable(result.err));
    else
        QVERIFY2(result.err.contains(error), qPrintable(result.err));
}

// Hard links become links to the file extracted before, file copies copies;
// a link to a file that is not there is no success.
void RarArchiveTest::extractsLinks()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ziel"));
    const Run result = run(QStringLiteral("--extract"), {writeRarArchive(QStringLiteral("links"), dir.path()), target});
    QCOMPARE(result.code, 1);
    QCOMPARE(result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts).filter(QStringLiteral("\tOK")).size(), 4);
    QVERIFY(result.out.contains(QStringLiteral("d.txt\tFehler !!!")));
    struct stat a {
    }, b{}, c{};
    QCOMPARE(::lstat(QFile::encodeName(target + QStringLiteral("/a.txt")).constData(), &a), 0);
    QCOMPARE(::lstat(QFile::encodeName(target + QStringLiteral("/b.txt")).constData(), &b), 0);
    QCOMPARE(::lstat(QFile::encodeName(target + QStringLiteral("/c.txt")).constData(), &c), 0);
    QCOMPARE(b.st_ino, a.st_ino);
    QVERIFY(c.st_ino != a.st_ino);
    for (const char *name : {"/b.txt", "/c.txt", "/ln"})
        QCOMPARE(FileBytes(target + QLatin1String(name)), QByteArray("hello world"));
    QCOMPARE(FileTree::paths(target), (QStringList{"a.txt", "b.txt", "c.txt", "ln"}));
}

void RarArchiveTest::sameNameKeepsTheFirst_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("output");
    QTest::newRow("oem names differ") << "oem names" << QStringList{"Mäller.txt=a", "Müller.txt=u"}
                                      << "Müller.txt\tOK\nMäller.txt\tOK\n";
    QTest::newRow("same name twice") << "same name twice" << QStringList{"gleich.txt=erster"}
                                     << "gleich.txt\tOK\ngleich.txt\tFehler !!! Name kommt im Archiv mehrfach "
                                        "vor; Datei erstellen fehler\n";
}

// With --overwrite an entry must not replace one of the same run.
void RarArchiveTest::sameNameKeepsTheFirst()
{
    QFETCH(QString, archive);
    QFETCH(QStringList, files);
    QFETCH(QString, output);
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("ziel"));
    const Run result = run(QStringLiteral("--extract"), {writeRarArchive(archive, dir.path()), target, "--overwrite"});
    QCOMPARE(result.out, output);
    QStringList found;
    for (const QString &name : FileTree::paths(target))
        found.append(name + QLatin1Char('=') + QString::fromUtf8(FileBytes(target + QLatin1Char('/') + name)));
    QCOMPARE(found, files);
}

void RarArchiveTest::reportsComments_data()
{
    QTest::addColumn<QString>("archive");
    QTest::addColumn<QStringList>("comments");
    QTest::newRow("stored") << "stored comment" << QStringList{"Kommentar"};
    QTest::newRow("packed") << "packed comment" << QStringList{"Unbekanntes Kommentarformat"};
    QTest::newRow("none") << "test_read_format_rar5_stored.rar" << QStringList{};
}

void RarArchiveTest::reportsComments()
{
    QFETCH(QString, archive);
    QFETCH(QStringList, comments);
    QTemporaryDir dir;
    TRAR rar;
    rar.ArchiveName = archiveFor(archive, dir.path());
    QStringList reported;
    rar.OnComment = [&](TRAR *, const QString &comment) { reported.append(comment); };
    int listed = 0;
    rar.OnListFile = [&](TRAR *, const RarEntry &) { ++listed; };
    rar.List();
    QCOMPARE(reported, comments);
    QCOMPARE(listed, 1);
}

void RarArchiveTest::extractsSamplesWithContent()
{
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("new/folder"));
    QCOMPARE(run(QStringLiteral("--extract"), {sample("test_read_format_rar.rar"), target}).code, 0);
    QFile text(target + QStringLiteral("/testdir/test.txt"));
    QVERIFY(text.open(QIODevice::ReadOnly));
    QCOMPARE(text.size(), 20);
    QCOMPARE(QFileInfo(target + QStringLiteral("/testlink")).symLinkTarget(), target + QStringLiteral("/test.txt"));
    QVERIFY(QFileInfo(target + QStringLiteral("/testemptydir")).isDir());

    // A second run refuses to replace files unless told to.
    const Run again = run(QStringLiteral("--extract"), {sample("test_read_format_rar.rar"), target});
    QCOMPARE(again.code, 1);
    QVERIFY(again.out.contains(QStringLiteral("test.txt\tFehler !!! Datei existiert bereits")));
    QCOMPARE(run(QStringLiteral("--extract"), {sample("test_read_format_rar.rar"), target, "--overwrite"}).code, 0);

    QVERIFY(writeStoredRar(dir.filePath("stored.rar"), {{"a/b.txt", "stored bytes"}}));
    QCOMPARE(run(QStringLiteral("--extract"), {dir.filePath("stored.rar"), target}).code, 0);
    QFile stored(target + QStringLiteral("/a/b.txt"));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), QByteArray("stored bytes"));
}

void RarArchiveTest::refusesHostileEntries()
{
    QTemporaryDir dir;
    const QString archive = dir.filePath(QStringLiteral("hostile.rar"));
    QVERIFY(writeStoredRar(archive, {
                                        {"../up.txt", "x"},
                                        {"/tmp/rar-absolute-test.txt", "x"},
                                        {"c:drive.txt", "x"},
                                        {"a\\..\\..\\back.txt", "x"},
                                        {"deep/../../up2.txt", "x"},
                                        {"outlink", "..", 0120777},
                                        {"abslink", "/etc", 0120777},
                                        {"here", ".", 0120777},
                                        {"climb", "here/..", 0120777},
                                        {"here/through.txt", "x"},
                                        {"secret.txt", "x", 0100644, true},
                                        {"good.txt", "fine"},
                                    }));
    const QString target = dir.filePath(QStringLiteral("target"));
    const Run result = run(QStringLiteral("--extract"), {archive, target});
    QCOMPARE(result.code, 1);
    const QStringList lines = result.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 12);
    const QStringList okNames{"here", "good.txt"};
    for (const QString &line : lines) {
        const QString name = line.section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(line.section(QLatin1Char('\t'), 1).startsWith(QLatin1String("OK")), okNames.contains(name));
    }
    QCOMPARE(FileTree::paths(dir.path()), (QStringList{"hostile.rar", "target", "target/good.txt", "target/here"}));
    QVERIFY(!QFile::exists(QStringLiteral("/tmp/rar-absolute-test.txt")));
}

void RarArchiveTest::missingVolumeFailsWithoutPartialFile()
{
    QTemporaryDir dir;
    for (const char *ending : {"rar", "r00"}) {
        const QString name = QStringLiteral("test_rar_multivolume_single_file.%1").arg(QLatin1String(ending));
        QVERIFY(QFile::copy(sample(name), dir.filePath(name)));
    }
    const QString target = dir.filePath(QStringLiteral("out"));
    const Run result = run(QStringLiteral("--extract"), {dir.filePath("test_rar_multivolume_single_file.rar"), target});
    QCOMPARE(result.code, 1);
    QVERIFY(result.err.contains(QStringLiteral("Diskette mit Rar-Volumen \"")
                                + dir.filePath("test_rar_multivolume_single_file.r01")));
    QVERIFY(result.out.startsWith(QStringLiteral("LibarchiveAddingTest.html\tFehler !!!")));
    QVERIFY(FileTree::paths(target).isEmpty());
}

void RarArchiveTest::cancelInsideEntryLeavesNoFile()
{
    QTemporaryDir dir;
    QVERIFY(writeStoredRar(dir.filePath("big.rar"), {{"big.bin", QByteArray(300000, 'b')}, {"next.txt", "n"}}));
    TRAR rar;
    rar.ArchiveName = dir.filePath(QStringLiteral("big.rar"));
    rar.TargetDir = dir.filePath(QStringLiteral("out"));
    QDir().mkpath(rar.TargetDir);
    QStringList started;
    rar.OnExtracting = [&](TRAR *, const RarEntry &entry) { started.append(entry.fileName); };
    rar.OnProcessData = [&](TRAR *sender, const unsigned char *, int, qint64 position) {
        if (position > 0)
            sender->Stop = true;
        return 1;
    };
    int errors = 0;
    rar.OnError = [&](TRAR *, int) { ++errors; };
    QVERIFY(!rar.Extract());
    QCOMPARE(started, QStringList{"big.bin"});
    QCOMPARE(errors, 0);
    QVERIFY(!rar.Stop);
    QVERIFY(FileTree::paths(rar.TargetDir).isEmpty());
}

void RarArchiveTest::fullDiskLeavesNoFile()
{
    QTemporaryDir dir;
    const QString small = dir.filePath(QStringLiteral("small"));
    QDir().mkpath(small);
    const ScratchMount medium(64, small);
    REQUIRE_MOUNT(medium);
    QVERIFY(writeStoredRar(dir.filePath("big.rar"), {{"big.bin", QByteArray(300000, 'b')}, {"small.txt", "s"}}));
    const Run result = run(QStringLiteral("--extract"), {dir.filePath("big.rar"), small});
    const QStringList left = FileTree::paths(small);
    QCOMPARE(result.code, 1);
    QVERIFY2(
        result.out.startsWith(QStringLiteral("big.bin\tFehler !!! kein Platz mehr auf dem Datenträger; Schreibfehler")),
        qPrintable(result.out));
    QCOMPARE(left, QStringList{});
}

void RarArchiveTest::emptyArchiveNameIsNotAnArchive()
{
    TRAR rar;
    QList<int> errors;
    rar.OnError = [&](TRAR *, int error) { errors.append(error); };
    QVERIFY(!rar.Extract());
    QCOMPARE(errors, QList<int>{ERAR_BAD_ARCHIVE});
    QCOMPARE(TRAR::ErrorText(errors.first()), QStringLiteral("Datei ist kein gültiges Rar-Archive"));
    QCOMPARE(TRAR::ErrorText(21), QStringLiteral("Unbekannter Fehler"));
}

void RarArchiveTest::nextVolumeName_data()
{
    QTest::addColumn<QString>("volume");
    QTest::addColumn<QString>("next");
    QTest::newRow("numbered volume") << "a/set.part1.rar"
                                     << "a/set.part2.rar";
    QTest::newRow("numbered volume carries") << "set.part09.rar"
                                             << "set.part10.rar";
    QTest::newRow("numbered volume grows") << "set.part9.rar"
                                           << "set.part10.rar";
    QTest::newRow("old first") << "set.rar"
                               << "set.r00";
    QTest::newRow("old next") << "set.r09"
                              << "set.r10";
    QTest::newRow("old last") << "set.r99"
                              << "";
    QTest::newRow("other") << "set.zip"
                           << "";
}

void RarArchiveTest::nextVolumeName()
{
    QFETCH(QString, volume);
    QFETCH(QString, next);
    QCOMPARE(QString::fromStdString(RarVolumes::nextVolumeName(volume.toStdString())), next);
}

void RarArchiveTest::sniffsContent()
{
    QTemporaryDir dir;
    QVERIFY(QFile::copy(sample("test_read_format_rar5_stored.rar"), dir.filePath("named.zip")));
    QVERIFY(LooksLikeRar(dir.filePath("named.zip")));
    QVERIFY(LooksLikeRar(sample("test_read_format_rar.rar")));
    QFile text(dir.filePath(QStringLiteral("text.rar")));
    QVERIFY(text.open(QIODevice::WriteOnly) && text.write("Rar! is not enough") > 0);
    text.close();
    QVERIFY(!LooksLikeRar(text.fileName()));
    QVERIFY(!LooksLikeRar(dir.filePath("missing.rar")));
}

BREKKO_TEST_MAIN(RarArchiveTest)
#include "RarArchiveTest.moc"
