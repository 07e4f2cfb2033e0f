#include "MsgBoxRecorder.h"
#include "ScratchMount.h"
#include "TestZipWriter.h"
#include "ZipTestArchives.h"

#include "FileBytes.h"
#include "FileTreeFixture.h"
#include "TestRegistry.h"
#include "archive/ArchiveCommandLine.h"
#include "archive/zip/TZipMaster.h"
#include "archive/zip/UnzipProgress.h"
#include "common/AppContext.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <sys/stat.h>

using namespace ZipTestArchives;

class UnzipModuleTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void extractsAndTests_data();
    void extractsAndTests();
    void asksForPasswords_data();
    void asksForPasswords();
    void namesAgreeWithTheListing();
    void refusesEntriesLeavingTheTarget();
    void corruptEntryLeavesNothingBehind_data();
    void corruptEntryLeavesNothingBehind();
    void cancelLeavesNoPartialFile();
    void fullMediumLeavesNoPartialFile_data();
    void fullMediumLeavesNoPartialFile();
    void overwritesOnlyWhenAsked();
    void modesLoseWhatTheUmaskTakes();
    void reportsModuleProblems_data();
    void reportsModuleProblems();
    void progressBarSteps_data();
    void progressBarSteps();
    void resultTexts();
    void commandLine_data();
    void commandLine();
    void commandLineLines_data();
    void commandLineLines();

private:
    QString makeSample();
    // Runs the module into target, by default a fresh folder; returns target.
    QString run(TZipMaster &zip, const QString &archive, int options, const QString &password = {},
                QString target = {});

    QTemporaryDir *m_dir = nullptr;
    MsgBoxRecorder *m_boxes = nullptr;
    QStringList m_failures;
};

void UnzipModuleTest::init()
{
    m_dir = new QTemporaryDir;
    m_boxes = new MsgBoxRecorder;
    m_failures.clear();
}

void UnzipModuleTest::cleanup()
{
    TZipMaster::Unload();
    delete m_boxes;
    delete m_dir;
}

// a.txt (100000 bytes) and dir/sub/b.txt, as files in src/.
QString UnzipModuleTest::makeSample()
{
    const QString src = m_dir->filePath(QStringLiteral("src"));
    writeFile(src + QStringLiteral("/a.txt"), sampleBytes(100000));
    writeFile(src + QStringLiteral("/dir/sub/b.txt"), sampleBytes(3000, 2));
    return src;
}

QString UnzipModuleTest::run(TZipMaster &zip, const QString &archive, int options, const QString &password,
                             QString target)
{
    if (target.isEmpty())
        target = m_dir->filePath(QStringLiteral("out/target"));
    QDir().mkpath(target);
    zip.setDLLDirectory(QStringLiteral(BREKKO_UNZIP_DIR));
    zip.setZipFilename(archive);
    zip.setPassword(password);
    zip.OnMessage = [this](int code, const QString &message) {
        if (code > 0)
            m_failures.append(message);
    };
    zip.ExtrBaseDir = target;
    zip.ExtrOptions = options;
    zip.FSpecArgs = {QStringLiteral("*.*")};
    zip.RunLibrary();
    return target;
}

void UnzipModuleTest::extractsAndTests_data()
{
    QTest::addColumn<QStringList>("zipArguments");
    QTest::addColumn<int>("options");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("successes");
    QTest::addColumn<QStringList>("files");

    const int dirs = TZipMaster::ExtrDirNames;
    const int test = TZipMaster::ExtrDirNames | TZipMaster::ExtrTest;
    const QStringList all{QStringLiteral("a.txt"), QStringLiteral("dir"), QStringLiteral("dir/sub"),
                          QStringLiteral("dir/sub/b.txt")};
    const QStringList deflated{QStringLiteral("-r")};
    const QStringList stored{QStringLiteral("-r0")};
    const QStringList locked{QStringLiteral("-r"), QStringLiteral("-P"), QStringLiteral("geheim")};
    QTest::newRow("deflated with folders") << deflated << dirs << QString() << 4 << all;
    QTest::newRow("stored with folders") << stored << dirs << QString() << 4 << all;
    QTest::newRow("without folders") << deflated << 0 << QString() << 4
                                     << QStringList{QStringLiteral("a.txt"), QStringLiteral("b.txt")};
    QTest::newRow("right password") << locked << dirs << QStringLiteral("geheim") << 4 << all;
    QTest::newRow("wrong password") << locked << dirs << QStringLiteral("falsch") << 2
                                    << QStringList{QStringLiteral("dir"), QStringLiteral("dir/sub")};
    QTest::newRow("no password") << locked << dirs << QString() << 2
                                 << QStringList{QStringLiteral("dir"), QStringLiteral("dir/sub")};
    QTest::newRow("test") << deflated << test << QString() << 4 << QStringList();
    QTest::newRow("test, wrong password") << locked << test << QStringLiteral("falsch") << 2 << QStringList();
}

void UnzipModuleTest::extractsAndTests()
{
    QFETCH(QStringList, zipArguments);
    QFETCH(int, options);
    QFETCH(QString, password);
    QFETCH(int, successes);
    QFETCH(QStringList, files);

    const QString src = makeSample();
    const QString archive = m_dir->filePath(QStringLiteral("t.zip"));
    QVERIFY(zip(src, zipArguments + QStringList{archive, QStringLiteral("a.txt"), QStringLiteral("dir")}));
    const QString before = QDir::currentPath();
    TZipMaster master;
    const QString target = run(master, archive, options, password);
    QCOMPARE(QDir::currentPath(), before);
    QCOMPARE(master.Count(), 4);
    QCOMPARE(master.SuccessCount(), successes);
    QCOMPARE(m_failures.size(), 4 - successes);
    QCOMPARE(FileTree::paths(target), files);
    if (files.contains(QStringLiteral("a.txt")))
        QCOMPARE(FileBytes(target + QStringLiteral("/a.txt")), sampleBytes(100000));
    if (files.contains(QStringLiteral("b.txt")))
        QCOMPARE(FileBytes(target + QStringLiteral("/b.txt")), sampleBytes(3000, 2));
}

void UnzipModuleTest::asksForPasswords_data()
{
    QTest::addColumn<bool>("aes");
    QTest::addColumn<QString>("preset");
    // The last answer repeats for every further prompt.
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<int>("successes");

    const QStringList right{QStringLiteral("geheim")};
    QTest::newRow("traditional, asked once for both") << false << QString() << right << false << 1 << 2;
    QTest::newRow("aes, wrong then right") << true << QString() << QStringList{"falsch", "geheim"} << false << 2 << 2;
    QTest::newRow("aes, right preset") << true << QStringLiteral("geheim") << right << false << 0 << 2;
    QTest::newRow("aes, wrong preset") << true << QStringLiteral("falsch") << right << false << 1 << 2;
    QTest::newRow("aes, no answer") << true << QString() << QStringList{QString()} << false << 2 << 0;
    QTest::newRow("aes, the same wrong answer again") << true << QString() << QStringList{"falsch"} << false << 4 << 0;
    QTest::newRow("aes, refused") << true << QString() << right << true << 1 << 0;
}

void UnzipModuleTest::asksForPasswords()
{
    QFETCH(bool, aes);
    QFETCH(QString, preset);
    QFETCH(QStringList, answers);
    QFETCH(bool, cancel);
    QFETCH(int, prompts);
    QFETCH(int, successes);

    const QString src = m_dir->filePath(QStringLiteral("src"));
    writeFile(src + QStringLiteral("/a.txt"), sampleBytes(70000));
    writeFile(src + QStringLiteral("/b.txt"), sampleBytes(500, 2));
    const QString archive = m_dir->filePath(QStringLiteral("locked.zip"));
    const QStringList names{QStringLiteral("a.txt"), QStringLiteral("b.txt")};
    QVERIFY(aes ? zipAes(src, archive, QStringLiteral("geheim"), names)
                : zip(src, QStringList{QStringLiteral("-P"), QStringLiteral("geheim"), archive} + names));
    TZipMaster master;
    QStringList asked;
    master.OnPassword = [&](const QString &name) {
        asked.append(name);
        master.Cancel = cancel;
        return answers.value(asked.size() - 1, answers.last());
    };
    const QString target = run(master, archive, TZipMaster::ExtrDirNames, preset);
    QCOMPARE(asked.size(), prompts);
    if (prompts > 0)
        QCOMPARE(asked.first(), QStringLiteral("a.txt"));
    QCOMPARE(master.SuccessCount(), successes);
    QCOMPARE(m_failures.size(), cancel ? 0 : 2 - successes);
    QCOMPARE(FileTree::paths(target), successes ? names : QStringList());
    if (successes)
        QCOMPARE(FileBytes(target + QStringLiteral("/a.txt")), sampleBytes(70000));
}

// The module must name every entry as the listing does: marked entries are
// handed over by their listed names.
void UnzipModuleTest::namesAgreeWithTheListing()
{
    TestZipWriter writer;
    writer.add("\x81"
               "ber.txt",
               "dos");
    writer.add("gr\xC3\xBCn.txt", "linux");
    writer.addUtf8("bl\xC3\xA4u.txt", "flagged");
    writer.addWithUnicodePath("r\xF6t.txt", "r\xC3\xB6t.txt", "field");
    const QString archive = m_dir->filePath(QStringLiteral("names.zip"));
    QVERIFY(writer.write(archive));
    const QStringList names{QStringLiteral("über.txt"), QStringLiteral("grün.txt"), QStringLiteral("bläu.txt"),
                            QStringLiteral("röt.txt")};

    TZipMaster master;
    master.setZipFilename(archive);
    QStringList listed;
    for (const ZipDirEntry &entry : master.DirEntries())
        listed.append(entry.fileName);
    QCOMPARE(listed, names);
    const QString target = m_dir->filePath(QStringLiteral("out"));
    QDir().mkpath(target);
    master.setDLLDirectory(QStringLiteral(BREKKO_UNZIP_DIR));
    master.ExtrBaseDir = target;
    master.ExtrOptions = TZipMaster::ExtrDirNames;
    master.FSpecArgs = listed;
    master.RunLibrary();
    QCOMPARE(master.SuccessCount(), 4);
    QStringList sorted = names;
    sorted.sort();
    QCOMPARE(FileTree::paths(target), sorted);
}

void UnzipModuleTest::refusesEntriesLeavingTheTarget()
{
    TestZipWriter writer;
    writer.add("../parent.txt", "x");
    writer.add("sub/../../parent2.txt", "x");
    writer.add("/tmp/absolute.txt", "x");
    writer.add("C:/drive.txt", "x");
    writer.add("..\\back.txt", "x");
    writer.addLink("up", "../..");
    writer.addLink("abs", "/etc");
    writer.addLink("sneaky", "inner/../../x");
    writer.addLink("inner", "kept");
    writer.add("inner/through-link.txt", "x");
    writer.add("kept/fine.txt", "fine");
    const QString archive = m_dir->filePath(QStringLiteral("hostile.zip"));
    QVERIFY(writer.write(archive));

    TZipMaster master;
    const QString target = run(master, archive, TZipMaster::ExtrDirNames);
    QCOMPARE(master.SuccessCount(), 2);
    QCOMPARE(m_failures.size(), 9);
    QCOMPARE(FileTree::paths(m_dir->filePath(QStringLiteral("out"))),
             (QStringList{QStringLiteral("target"), QStringLiteral("target/inner"), QStringLiteral("target/kept"),
                          QStringLiteral("target/kept/fine.txt")}));
    QCOMPARE(QFileInfo(target + QStringLiteral("/inner")).symLinkTarget(), target + QStringLiteral("/kept"));
}

void UnzipModuleTest::corruptEntryLeavesNothingBehind_data()
{
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("size");
    const int extract = TZipMaster::ExtrDirNames;
    QTest::newRow("extract") << extract << 100000;
    QTest::newRow("extract, small entry") << extract << 3000;
    QTest::newRow("test") << int(TZipMaster::ExtrDirNames | TZipMaster::ExtrTest) << 100000;
}

void UnzipModuleTest::corruptEntryLeavesNothingBehind()
{
    QFETCH(int, options);
    QFETCH(int, size);
    const QString src = m_dir->filePath(QStringLiteral("src"));
    writeFile(src + QStringLiteral("/c.bin"), sampleBytes(size, 5));
    const QString archive = m_dir->filePath(QStringLiteral("bad.zip"));
    QVERIFY(zip(src, {archive, QStringLiteral("c.bin")}));
    QByteArray bytes = FileBytes(archive);
    const qsizetype at = bytes.indexOf("c.bin") + size / 10;
    bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
    QVERIFY(writeFile(archive, bytes));

    TZipMaster master;
    const QString target = run(master, archive, options);
    QCOMPARE(master.SuccessCount(), 0);
    QCOMPARE(m_failures.size(), 1);
    QVERIFY2(m_failures.first().contains(QStringLiteral("beschädigt")), qPrintable(m_failures.first()));
    QCOMPARE(FileTree::paths(target), QStringList());
}

void UnzipModuleTest::cancelLeavesNoPartialFile()
{
    const QString src = makeSample();
    QVERIFY(writeFile(src + QStringLiteral("/big.bin"), sampleBytes(2000000, 3)));
    const QString archive = m_dir->filePath(QStringLiteral("big.zip"));
    QVERIFY(zip(src, {QStringLiteral("-0"), archive, QStringLiteral("big.bin"), QStringLiteral("a.txt")}));
    TZipMaster master;
    int steps = 0;
    master.OnProgress = [&](int type, const QString &, qint32) {
        if (type == TZipMaster::Step && ++steps == 10)
            master.Cancel = true;
    };
    const QString target = run(master, archive, TZipMaster::ExtrDirNames);
    QCOMPARE(steps, 10);
    QCOMPARE(master.SuccessCount(), 0);
    QCOMPARE(FileTree::paths(target), QStringList());
}

void UnzipModuleTest::fullMediumLeavesNoPartialFile_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("replacing");
    QTest::newRow("new file") << 100000 << false;
    QTest::newRow("new small file") << 20000 << false;
    QTest::newRow("replacing a file") << 100000 << true;
}

void UnzipModuleTest::fullMediumLeavesNoPartialFile()
{
    QFETCH(int, size);
    QFETCH(bool, replacing);
    ScratchMount medium(512);
    REQUIRE_MOUNT(medium);
    const QString src = m_dir->filePath(QStringLiteral("src"));
    writeFile(src + QStringLiteral("/c.bin"), sampleBytes(size, 5));
    const QString archive = m_dir->filePath(QStringLiteral("t.zip"));
    QVERIFY(zip(src, {archive, QStringLiteral("c.bin")}));
    if (replacing)
        QVERIFY(writeFile(medium.path(QStringLiteral("c.bin")), "alt"));
    medium.fill();
    TZipMaster master;
    run(master, archive, TZipMaster::ExtrDirNames | TZipMaster::ExtrOverWrite, {}, medium.path());
    QCOMPARE(master.SuccessCount(), 0);
    QCOMPARE(m_failures.size(), 1);
    QStringList left{QStringLiteral(".filler")};
    if (replacing)
        left.append(QStringLiteral("c.bin"));
    QCOMPARE(FileTree::paths(medium.path()), left);
    QVERIFY2(m_failures.first().endsWith(QStringLiteral(": kein Platz mehr auf dem Datenträger")),
             qPrintable(m_failures.first()));
    if (replacing)
        QCOMPARE(FileBytes(medium.path(QStringLiteral("c.bin"))), QByteArray("alt"));
}

void UnzipModuleTest::overwritesOnlyWhenAsked()
{
    const QString src = makeSample();
    const QString archive = m_dir->filePath(QStringLiteral("t.zip"));
    QVERIFY(zip(src, {archive, QStringLiteral("a.txt")}));
    const QString existing = m_dir->filePath(QStringLiteral("out/target/a.txt"));
    QVERIFY(writeFile(existing, "alt"));
    TZipMaster keep;
    run(keep, archive, TZipMaster::ExtrDirNames);
    QCOMPARE(keep.SuccessCount(), 0);
    QCOMPARE(FileBytes(existing), QByteArray("alt"));
    TZipMaster replace;
    run(replace, archive, TZipMaster::ExtrDirNames | TZipMaster::ExtrOverWrite);
    QCOMPARE(replace.SuccessCount(), 1);
    QCOMPARE(FileBytes(existing), sampleBytes(100000));
}

// An archive cannot hand out write rights the user's umask withholds.
void UnzipModuleTest::modesLoseWhatTheUmaskTakes()
{
    const QString src = makeSample();
    using P = QFileDevice;
    QVERIFY(QFile::setPermissions(src + QStringLiteral("/a.txt"), P::ReadOwner | P::WriteOwner | P::ExeOwner
                                                                      | P::ReadGroup | P::WriteGroup | P::ExeGroup
                                                                      | P::ReadOther | P::WriteOther | P::ExeOther));
    QVERIFY(QFile::setPermissions(src + QStringLiteral("/dir/sub/b.txt"), P::ReadOwner | P::WriteOwner));
    const QString archive = m_dir->filePath(QStringLiteral("t.zip"));
    QVERIFY(zip(src, {QStringLiteral("-r"), archive, QStringLiteral("a.txt"), QStringLiteral("dir")}));
    const mode_t before = ::umask(022);
    TZipMaster master;
    const QString target = run(master, archive, TZipMaster::ExtrDirNames);
    ::umask(before);
    QCOMPARE(master.SuccessCount(), 4);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(target + QStringLiteral("/a.txt")).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0755));
    QCOMPARE(::stat(QFile::encodeName(target + QStringLiteral("/dir/sub/b.txt")).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0600));
}

void UnzipModuleTest::reportsModuleProblems_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QString() << false << "UNZIP.DLL nicht gefunden";
    QTest::newRow("no version entry") << QStringLiteral(BREKKO_NOVERSION_DIR) << true
                                      << "GetZipDllVersion-Funktion nicht gefunden in UNZIP.DLL";
}

void UnzipModuleTest::reportsModuleProblems()
{
    QFETCH(QString, folder);
    QFETCH(bool, loaded);
    QFETCH(QString, message);
    TZipMaster master;
    master.setDLLDirectory(folder.isEmpty() ? m_dir->path() : folder);
    m_boxes->answer(MsgBox::ResultOk);
    QCOMPARE(master.Load(), loaded);
    QCOMPARE(m_boxes->count(), 1);
    QCOMPARE(m_boxes->last().text, message);
}

void UnzipModuleTest::progressBarSteps_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<int>("maximum");
    QTest::newRow("empty") << qint64(0) << 1;
    QTest::newRow("40000 bytes") << qint64(40000) << 1;
    QTest::newRow("65536 bytes") << qint64(65536) << 2;
    QTest::newRow("100000 bytes") << qint64(100000) << 3;
}

void UnzipModuleTest::progressBarSteps()
{
    QFETCH(qint64, size);
    QFETCH(int, maximum);
    UnzipProgressBar bar;
    bar.fileBegins(size);
    QCOMPARE(bar.maximum, maximum);
    QCOMPARE(bar.position, 1);
    for (int i = 0; i < 5; ++i)
        bar.step();
    QCOMPARE(bar.position, maximum);
}

void UnzipModuleTest::resultTexts()
{
    QCOMPARE(ExtractResultText(10, 3),
             QStringLiteral("7 Objekte sind fehlerhaft oder wurden übersprungen !\rArchiv unvollständig entpackt..."));
    QCOMPARE(ExtractResultText(4, 4), QStringLiteral("Alle 4 Objekte wurden erfolgreich entpackt..."));
    QCOMPARE(TestResultText(4, 4), QStringLiteral("Alle 4 Objekte wurden getestet.\rArchiv ist Okay..."));
}

void UnzipModuleTest::commandLine_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("extra");
    // 0 sound, 1 a byte of a.txt's data, 2 the local header of dir/.
    QTest::addColumn<int>("damage");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("relative");

    const QString list = QStringLiteral("a.txt\t100000\t");
    const QString target = QStringLiteral("ziel/neu");
    const QString unreached = QStringLiteral("dir/\tFehler !!! nicht erreicht, das Archiv ist davor beschädigt\n");
    QTest::newRow("list") << "--list" << QStringList() << 0 << 0 << list << false;
    QTest::newRow("test") << "--test" << QStringList() << 0 << 0 << "a.txt\tOK\ndir/\tOK\n" << false;
    QTest::newRow("test corrupt") << "--test" << QStringList() << 1 << 1 << "a.txt\tFehler !!! " << false;
    QTest::newRow("test, damaged header") << "--test" << QStringList() << 2 << 1 << "a.txt\tOK\n" + unreached << false;
    QTest::newRow("extract") << "--extract" << QStringList{target} << 0 << 0 << "a.txt\tOK\ndir/\tOK\n" << false;
    QTest::newRow("extract, relative names") << "--extract" << QStringList{target} << 0 << 0 << "a.txt\tOK\ndir/\tOK\n"
                                             << true;
    QTest::newRow("extract, damaged header")
        << "--extract" << QStringList{target} << 2 << 1 << "a.txt\tOK\n" + unreached << false;
    QTest::newRow("list broken") << "--list" << QStringList() << 1 << 0 << list << false;
}

void UnzipModuleTest::commandLine()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, extra);
    QFETCH(int, damage);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(bool, relative);
    const QString src = makeSample();
    const QString archive = m_dir->filePath(QStringLiteral("c.zip"));
    QVERIFY(zip(src, {archive, QStringLiteral("a.txt"), QStringLiteral("dir/")}));
    if (damage) {
        QByteArray bytes = FileBytes(archive);
        const qsizetype at = damage == 1 ? bytes.indexOf("a.txt") + 3000 : bytes.indexOf("PK\x03\x04", 4);
        bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
        QVERIFY(writeFile(archive, bytes));
    }
    AppContext::setProgramDirectory(QStringLiteral(BREKKO_UNZIP_DIR "/"));
    const QString previousFolder = QDir::currentPath();
    if (relative)
        QDir::setCurrent(m_dir->path());
    QStringList args{relative ? QStringLiteral("c.zip") : archive};
    for (const QString &folder : extra)
        args.append(relative ? folder : m_dir->filePath(folder));
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    const int code = RunArchiveCommand(mode, args, out, err);
    QDir::setCurrent(previousFolder);
    QCOMPARE(code, exitCode);
    out.flush();
    QVERIFY2(outText.startsWith(output), qPrintable(outText));
    err.flush();
    QCOMPARE(errText.contains(QStringLiteral("c.zip: ")), damage == 2);
    if (!extra.isEmpty())
        QCOMPARE(FileBytes(m_dir->filePath(QStringLiteral("ziel/neu/a.txt"))), sampleBytes(100000));
}

void UnzipModuleTest::commandLineLines_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("deepArchive");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");

    const QString longName = QString(200, 'a') + '/' + QString(200, 'b') + '/' + QString(200, 'c') + ".txt";
    const QString longLeaf = QString(300, 'l');
    QTest::newRow("backslashes between folders")
        << "--extract" << QStringList{"ordner\\datei.txt"} << false << 0 << "ordner/datei.txt\tOK\n";
    QTest::newRow("name over 511 bytes") << "--test" << QStringList{longName} << false << 0 << longName + "\tOK\n";
    QTest::newRow("colons") << "--extract" << QStringList{"um 12:30.txt"} << false << 0 << "um 12:30.txt\tOK\n";
    QTest::newRow("newline") << "--test" << QStringList{"zeile\nzwei.txt"} << false << 0 << "zeile\\nzwei.txt\tOK\n";
    QTest::newRow("leaf too long") << "--extract" << QStringList{longLeaf} << false << 1
                                   << longLeaf + "\tFehler !!! Dateiname zu lang\n";
    QTest::newRow("deflate64") << "--test" << QStringList{"deflate64"} << false << 1
                               << "alt.bin\tFehler !!! Packverfahren wird nicht unterstützt (9: deflation-64-bit)\n";
    QTest::newRow("archive path over 255 bytes")
        << "--extract" << QStringList{"a.txt", "b.txt"} << true << 0 << "a.txt\tOK\nb.txt\tOK\n";
}

// One line per entry with its whole name and its true verdict.
void UnzipModuleTest::commandLineLines()
{
    QFETCH(QString, mode);
    QFETCH(QStringList, names);
    QFETCH(bool, deepArchive);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    TestZipWriter writer;
    for (const QString &name : names) {
        if (name == QLatin1String("deflate64"))
            writer.addPacked("alt.bin", sampleBytes(100), 9);
        else
            writer.add(name.toUtf8(), "inhalt");
    }
    QString folder = m_dir->path();
    for (int i = 0; deepArchive && i < 5; ++i)
        folder += QLatin1Char('/') + QString::fromUtf8("Übergrößenverzeichnis für Prüfungen ").repeated(2).left(60);
    QVERIFY(QDir().mkpath(folder));
    const QString archive = folder + QStringLiteral("/Archiv.zip");
    QVERIFY(QFile::encodeName(archive).size() > 255 || !deepArchive);
    QVERIFY(writer.write(archive));
    AppContext::setProgramDirectory(QStringLiteral(BREKKO_UNZIP_DIR "/"));
    QStringList args{archive};
    if (mode == QLatin1String("--extract"))
        args.append(m_dir->filePath(QStringLiteral("ziel")));
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    QCOMPARE(RunArchiveCommand(mode, args, out, err), exitCode);
    out.flush();
    QCOMPARE(outText, output);
    if (mode == QLatin1String("--extract") && exitCode == 0)
        QCOMPARE(FileBytes(m_dir->filePath(QStringLiteral("ziel/")) + output.section(QLatin1Char('\t'), 0, 0)),
                 QByteArray("inhalt"));
}

BREKKO_TEST_MAIN(UnzipModuleTest)
#include "UnzipModuleTest.moc"
