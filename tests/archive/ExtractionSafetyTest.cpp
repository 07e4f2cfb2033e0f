#include "MsgBoxRecorder.h"
#include "RarTestWriter.h"
#include "TestZipWriter.h"

#include "FileBytes.h"
#include "FileTreeFixture.h"
#include "ScratchMount.h"
#include "TestRegistry.h"
#include "archive/ArchiveCommandLine.h"
#include "archive/rar/TRAR.h"
#include "archive/safety/EntryPath.h"
#include "archive/zip/TZipMaster.h"
#include "common/AppContext.h"
#include "platform/NativeNames.h"

#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int runCommand(const QStringList &arguments, QString *errText = nullptr)
{
    QString outText, error;
    QTextStream out(&outText), err(&error);
    const int code = RunArchiveCommand(arguments.first(), arguments.mid(1), out, err);
    if (errText)
        *errText = error;
    return code;
}

// A stored RAR or ZIP archive of these files.
bool writeArchive(const QString &path, bool rar, const QList<StoredRarEntry> &files)
{
    if (rar)
        return writeStoredRar(path, files);
    TestZipWriter writer;
    for (const StoredRarEntry &file : files)
        writer.add(file.name, file.data);
    return writer.write(path);
}

// Runs work in a child process and kills it with SIGKILL as soon as it
// signals through the pipe it is given.
bool killWhenSignalled(const std::function<void(int signalFd)> &work)
{
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        close(pipeFds[0]);
        work(pipeFds[1]);
        _exit(0);
    }
    close(pipeFds[1]);
    char signalled = 0;
    const bool got = read(pipeFds[0], &signalled, 1) == 1;
    close(pipeFds[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    return got && WIFSIGNALED(status);
}

// Tells the parent the data is being written, then waits for the kill.
void signalAndWait(int signalFd)
{
    const char byte = 1;
    if (write(signalFd, &byte, 1) == 1)
        for (;;)
            pause();
    _exit(1);
}

} // namespace

class ExtractionSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void entryPaths_data();
    void entryPaths();
    void namedPipeIsNeverOpened_data();
    void namedPipeIsNeverOpened();
    void killLeavesNoPartialFile_data();
    void killLeavesNoPartialFile();
    void unenterableTargetExtractsNothing_data();
    void unenterableTargetExtractsNothing();
    void extractsOntoAMediumWithoutLinks_data();
    void extractsOntoAMediumWithoutLinks();
    void namesThatAreNotUtf8_data();
    void namesThatAreNotUtf8();
    void refusalsNameTheArchiveAsSpelt_data();
    void refusalsNameTheArchiveAsSpelt();

private:
    QTemporaryDir m_dir;
};

void ExtractionSafetyTest::entryPaths_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("linkTarget");
    QTest::addColumn<int>("problem");
    using P = EntryPath::Problem;
    QTest::newRow("plain") << "a/b.txt" << QString() << int(P::None);
    QTest::newRow("colons are legal") << "um 12:30/a:b.txt" << QString() << int(P::None);
    QTest::newRow("dot parts") << "./a//b/." << QString() << int(P::None);
    QTest::newRow("empty") << "./" << QString() << int(P::Empty);
    QTest::newRow("absolute") << "/etc/passwd" << QString() << int(P::Absolute);
    QTest::newRow("drive letter") << "c:boot.ini" << QString() << int(P::DriveLetter);
    QTest::newRow("backslash") << "a\\b" << QString() << int(P::Backslash);
    QTest::newRow("parent") << "a/../../b" << QString() << int(P::ParentStep);
    QTest::newRow("link up and down") << "d/l"
                                      << "../x/y" << int(P::None);
    QTest::newRow("link above the target") << "l"
                                           << "../x" << int(P::LinkLeaves);
    QTest::newRow("link up after a name") << "d/l"
                                          << "x/../../y" << int(P::LinkLeaves);
    QTest::newRow("link absolute") << "l"
                                   << "/etc" << int(P::LinkLeaves);
    QTest::newRow("link without target") << "l"
                                         << "" << int(P::LinkWithoutTarget);
}

void ExtractionSafetyTest::entryPaths()
{
    QFETCH(QString, name);
    QFETCH(QString, linkTarget);
    QFETCH(int, problem);
    std::vector<std::string> parts;
    EntryPath::Problem found = EntryPath::split(name.toStdString(), parts);
    if (found == EntryPath::Problem::None && !linkTarget.isNull())
        found = EntryPath::checkLink(parts, linkTarget.toStdString());
    QCOMPARE(int(found), problem);
}

void ExtractionSafetyTest::namedPipeIsNeverOpened_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("list") << QStringList{"--list"};
    QTest::newRow("test") << QStringList{"--test"};
    QTest::newRow("extract") << QStringList{"--extract", "ziel"};
}

// The program as it is started; a run stuck on the pipe is freed by a
// writer, and fails the test.
void ExtractionSafetyTest::namedPipeIsNeverOpened()
{
    QFETCH(QStringList, arguments);
    const QString program = qEnvironmentVariable("BREKKO_EXECUTABLE");
    if (program.isEmpty())
        QSKIP("BREKKO_EXECUTABLE names no program");
    const QString fifo = m_dir.filePath(QStringLiteral("pipe.zip"));
    QFile::remove(fifo);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QStringList command{arguments.first(), fifo};
    for (const QString &target : arguments.mid(1))
        command.append(m_dir.filePath(target));
    QProcess brekko;
    brekko.start(program, command);
    const bool finished = brekko.waitForFinished(20000);
    if (!finished) {
        const int fd = open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            close(fd);
        brekko.waitForFinished();
    }
    QVERIFY2(finished, "the program waits on the pipe");
    QCOMPARE(brekko.exitCode(), 2);
    QVERIFY(QString::fromUtf8(brekko.readAllStandardError()).contains(fifo));
}

void ExtractionSafetyTest::killLeavesNoPartialFile_data()
{
    QTest::addColumn<bool>("rar");
    QTest::addColumn<int>("size");
    QTest::newRow("rar") << true << 300000;
    QTest::newRow("zip, small file") << false << 60000;
    QTest::newRow("zip, large file") << false << 300000;
}

// Killed while an entry's data is written, the extraction leaves neither a
// cut file under the entry's name nor a hidden temporary file.
void ExtractionSafetyTest::killLeavesNoPartialFile()
{
    QFETCH(bool, rar);
    QFETCH(int, size);
    const QString archive = m_dir.filePath(rar ? QStringLiteral("kill.rar") : QStringLiteral("kill.zip"));
    const QByteArray data(size, 'k');
    QVERIFY(writeArchive(archive, rar, {{"fertig.txt", "fertig"}, {"gross.bin", data}}));
    const QString target = m_dir.filePath(QStringLiteral("kill-") + QTest::currentDataTag());
    QVERIFY(QDir().mkpath(target));
    const bool killed = killWhenSignalled([&](int signalFd) {
        if (rar) {
            TRAR extractor;
            extractor.ArchiveName = archive;
            extractor.TargetDir = target;
            bool big = false;
            extractor.OnExtracting = [&](TRAR *, const RarEntry &entry) { big = entry.unpSize == size; };
            extractor.OnProcessData = [&](TRAR *, const unsigned char *, int, qint64) {
                if (big)
                    signalAndWait(signalFd);
                return 1;
            };
            extractor.Extract();
            return;
        }
        TZipMaster zip;
        zip.setDLLDirectory(QStringLiteral(BREKKO_UNZIP_DIR));
        zip.setZipFilename(archive);
        zip.ExtrBaseDir = target;
        zip.ExtrOptions = TZipMaster::ExtrDirNames;
        zip.FSpecArgs = {QStringLiteral("*.*")};
        zip.OnProgress = [&](int type, const QString &, qint32) {
            if (type == TZipMaster::Step)
                signalAndWait(signalFd);
        };
        zip.RunLibrary();
    });
    QVERIFY(killed);
    QCOMPARE(FileTree::paths(target), QStringList{QStringLiteral("fertig.txt")});
    QCOMPARE(FileBytes(target + QStringLiteral("/fertig.txt")), QByteArray("fertig"));
}

void ExtractionSafetyTest::unenterableTargetExtractsNothing_data()
{
    QTest::addColumn<bool>("commandLine");
    QTest::newRow("TZipMaster") << false;
    QTest::newRow("command line") << true;
}

// A target the user may not enter stops the run; nothing lands in the
// current folder instead.
void ExtractionSafetyTest::unenterableTargetExtractsNothing()
{
    QFETCH(bool, commandLine);
    if (geteuid() != 0)
        QSKIP("needs root to act as another user");
    QTemporaryDir scratch;
    QVERIFY(::chmod(QFile::encodeName(scratch.path()).constData(), 0755) == 0);
    const QString archive = scratch.filePath(QStringLiteral("a.zip"));
    TestZipWriter writer;
    writer.add("hier.txt", "x");
    QVERIFY(writer.write(archive));
    const QString target = scratch.filePath(QStringLiteral("ziel"));
    const QString current = scratch.filePath(QStringLiteral("aktuell"));
    QVERIFY(QDir().mkpath(target) && QDir().mkpath(current));
    QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(::chmod(QFile::encodeName(current).constData(), 0777) == 0);

    MsgBoxRecorder boxes;
    if (!commandLine)
        boxes.answer(MsgBox::ResultOk);
    AppContext::setProgramDirectory(QStringLiteral(BREKKO_UNZIP_DIR "/"));
    TZipMaster zip;
    zip.setDLLDirectory(QStringLiteral(BREKKO_UNZIP_DIR));
    zip.setZipFilename(archive);
    QVERIFY(zip.Load());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(current);
    QVERIFY(setegid(65534) == 0 && seteuid(65534) == 0);
    int code = 0;
    if (commandLine) {
        code = runCommand({QStringLiteral("--extract"), archive, target});
    } else {
        zip.ExtrBaseDir = target;
        zip.ExtrOptions = TZipMaster::ExtrDirNames;
        zip.FSpecArgs = {QStringLiteral("*.*")};
        zip.RunLibrary();
    }
    QVERIFY(seteuid(0) == 0 && setegid(0) == 0);
    QDir::setCurrent(previous);
    TZipMaster::Unload();
    QCOMPARE(FileTree::paths(current), QStringList());
    QCOMPARE(FileTree::paths(target), QStringList());
    if (commandLine) {
        QCOMPARE(code, 2);
    } else {
        QVERIFY(zip.targetFailed());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Kann Zielverzeichnis nicht erstellen..."));
    }
}

void ExtractionSafetyTest::extractsOntoAMediumWithoutLinks_data()
{
    QTest::addColumn<bool>("rar");
    QTest::newRow("rar") << true;
    QTest::newRow("zip") << false;
}

// exFAT through FUSE has no unnamed files, no hard links and no rename that
// refuses to replace: new entries and replaced ones still get their names.
void ExtractionSafetyTest::extractsOntoAMediumWithoutLinks()
{
    QFETCH(bool, rar);
    const ScratchMount medium(ScratchMount::Exfat{3072});
    REQUIRE_EXFAT(medium);
    const QString archive = m_dir.filePath(rar ? QStringLiteral("stick.rar") : QStringLiteral("stick.zip"));
    const QByteArray data(70000, 'd');
    QVERIFY(writeArchive(archive, rar, {{"a.txt", "neu"}, {"sub/b.bin", data}}));
    AppContext::setProgramDirectory(QStringLiteral(BREKKO_UNZIP_DIR "/"));
    QCOMPARE(runCommand({QStringLiteral("--extract"), archive, medium.path()}), 0);
    FileTree::write(medium.path(QStringLiteral("a.txt")), "alt");
    QCOMPARE(runCommand({QStringLiteral("--extract"), archive, medium.path(), QStringLiteral("--overwrite")}), 0);
    QCOMPARE(FileTree::paths(medium.path()), (QStringList{"a.txt", "sub", "sub/b.bin"}));
    QCOMPARE(FileBytes(medium.path(QStringLiteral("a.txt"))), QByteArray("neu"));
    QCOMPARE(FileBytes(medium.path(QStringLiteral("sub/b.bin"))), data);
}

void ExtractionSafetyTest::namesThatAreNotUtf8_data()
{
    extractsOntoAMediumWithoutLinks_data();
}

// An archive and a target folder whose names hold Latin-1 bytes.
void ExtractionSafetyTest::namesThatAreNotUtf8()
{
    QFETCH(bool, rar);
    const QByteArray folder = NativeNames::encode(m_dir.path()) + "/alt\xe4";
    const auto cleanUp = qScopeGuard([&] {
        FileTree::removeRawTree(folder);
        ::rmdir(folder.constData());
    });
    QCOMPARE(::mkdir(folder.constData(), 0755), 0);
    const QString plain = m_dir.filePath(rar ? QStringLiteral("plain.rar") : QStringLiteral("plain.zip"));
    QVERIFY(writeArchive(plain, rar, {{"a.txt", "inhalt"}}));
    const QByteArray archive = folder + (rar ? "/k\xe4.rar" : "/k\xe4.zip");
    QCOMPARE(::rename(QFile::encodeName(plain).constData(), archive.constData()), 0);
    const QString target = NativeNames::decode(folder + "/ziel\xe4");
    AppContext::setProgramDirectory(QStringLiteral(BREKKO_UNZIP_DIR "/"));
    QString error;
    QVERIFY2(runCommand({QStringLiteral("--test"), NativeNames::decode(archive)}, &error) == 0, qPrintable(error));
    QCOMPARE(runCommand({QStringLiteral("--extract"), NativeNames::decode(archive), target}, &error), 0);
    QCOMPARE(FileBytes(target + QStringLiteral("/a.txt")), QByteArray("inhalt"));
}

void ExtractionSafetyTest::refusalsNameTheArchiveAsSpelt_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << "--list"
                             << "Fehlt/Archiv.ZIP" << QByteArray();
    QTest::newRow("not an archive") << "--test"
                                    << "Notizen.Zip" << QByteArray("Keine Zip-Datei");
}

void ExtractionSafetyTest::refusalsNameTheArchiveAsSpelt()
{
    QFETCH(QString, mode);
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    const QString archive = m_dir.filePath(name);
    if (!content.isEmpty())
        FileTree::write(archive, content);
    AppContext::setProgramDirectory(QStringLiteral(BREKKO_UNZIP_DIR "/"));
    QString error;
    QCOMPARE(runCommand({mode, archive}, &error), 2);
    QVERIFY2(error.contains(QLatin1Char('"') + archive + QLatin1Char('"')), qPrintable(error));
}

BREKKO_TEST_MAIN(ExtractionSafetyTest)
#include "ExtractionSafetyTest.moc"
