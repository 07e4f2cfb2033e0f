#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "platform/SafeSave.h"
#include "platform/SystemErrorText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct stat statOf(const QString &path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

enum Way { Write, Device, ByName, Handle };

bool writeThrough(SafeSave &file, int way, const QByteArray &bytes)
{
    switch (way) {
    case Write:
        return file.write(bytes);
    case Device:
        return file.device().write(bytes) == bytes.size();
    case ByName: {
        QFile named(file.writePath());
        return named.open(QIODevice::WriteOnly) && named.write(bytes) == bytes.size() && named.flush();
    }
    case Handle:
        return ::write(file.handle(), bytes.constData(), size_t(bytes.size())) == bytes.size();
    }
    return false;
}

} // namespace

class SafeSaveTest : public QObject {
    Q_OBJECT

private slots:
    // Printing writes by name, the others through write(), the device or the
    // descriptor. exFAT through FUSE has no unnamed files: there the new
    // file has a hidden name until commit().
    void everyWayOfWritingLandsInTheFile_data()
    {
        QTest::addColumn<int>("way");
        QTest::addColumn<bool>("exfat");
        QTest::newRow("write") << int(Write) << false;
        QTest::newRow("device") << int(Device) << false;
        QTest::newRow("by name") << int(ByName) << false;
        QTest::newRow("descriptor") << int(Handle) << false;
        QTest::newRow("write, exFAT") << int(Write) << true;
        QTest::newRow("by name, exFAT") << int(ByName) << true;
    }

    void everyWayOfWritingLandsInTheFile()
    {
        QFETCH(int, way);
        QFETCH(bool, exfat);
        TestEnvironment env;
        std::unique_ptr<ScratchMount> medium;
        if (exfat) {
            medium = std::make_unique<ScratchMount>(ScratchMount::Exfat{3072});
            REQUIRE_EXFAT(*medium);
            QVERIFY(QDir().mkpath(medium->path(QStringLiteral("out"))));
        }
        const QString path =
            exfat ? medium->path(QStringLiteral("out/a.pdf")) : env.writeFile(QStringLiteral("out/a.pdf"), "alt");
        if (exfat)
            QVERIFY(WriteFileSafely(path, "alt"));
        SafeSave file(path);
        QVERIFY(file.open());
        QVERIFY(writeThrough(file, way, "neu"));
        QCOMPARE(FileBytes(path), QByteArray("alt"));
        QVERIFY(file.commit());
        QCOMPARE(FileBytes(path), QByteArray("neu"));
        QCOMPARE(namesIn(QFileInfo(path).path()), QStringList{QStringLiteral("a.pdf")});
    }

    void modeAndOwnerStay_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("otherOwner");
        QTest::newRow("read-only for all") << 0444 << false;
        QTest::newRow("group may read") << 0640 << false;
        QTest::newRow("set-user-id program") << 04755 << false;
        QTest::newRow("another user's file") << 0644 << true;
    }

    void modeAndOwnerStay()
    {
        QFETCH(int, mode);
        QFETCH(bool, otherOwner);
        if (::geteuid() != 0)
            QSKIP("only root may replace a read-only or foreign file");
        TestEnvironment env;
        const QString path = env.writeFile(QStringLiteral("a.txt"), "alt");
        const QByteArray name = QFile::encodeName(path);
        if (otherOwner)
            QCOMPARE(::chown(name.constData(), 4321, 4322), 0);
        QCOMPARE(::chmod(name.constData(), mode_t(mode)), 0);
        QVERIFY(WriteFileSafely(path, "neu"));
        QCOMPARE(FileBytes(path), QByteArray("neu"));
        const struct stat after = statOf(path);
        QCOMPARE(int(after.st_mode & 07777), mode);
        QCOMPARE(int(after.st_uid), otherOwner ? 4321 : 0);
        QCOMPARE(int(after.st_gid), otherOwner ? 4322 : int(::getegid()));
    }

    // A save writes through a link and keeps the file's mode; a copy target
    // replaces the name, link or not, with a file of its own.
    void contentOrName_data()
    {
        QTest::addColumn<bool>("entry");
        QTest::addColumn<QByteArray>("linkedFile");
        QTest::addColumn<int>("mode");
        QTest::newRow("content through the link") << false << QByteArray("neu") << 0640;
        QTest::newRow("the name itself") << true << QByteArray("alt") << 0644;
    }

    void contentOrName()
    {
        QFETCH(bool, entry);
        QFETCH(QByteArray, linkedFile);
        QFETCH(int, mode);
        TestEnvironment env;
        const QString real = env.writeFile(QStringLiteral("w/real.txt"), "alt");
        QCOMPARE(::chmod(QFile::encodeName(real).constData(), 0640), 0);
        const QString link = env.path(QStringLiteral("w/link.txt"));
        QVERIFY(QFile::link(real, link));
        const mode_t mask = ::umask(022);
        SafeSave file(link, entry ? SafeSave::Replace::Entry : SafeSave::Replace::Content);
        const bool written = file.open() && file.write("neu") && file.commit();
        ::umask(mask);
        QVERIFY(written);
        QCOMPARE(QFileInfo(link).isSymLink(), !entry);
        QCOMPARE(FileBytes(real), linkedFile);
        QCOMPARE(FileBytes(link), QByteArray("neu"));
        QCOMPARE(int(statOf(link).st_mode & 07777), mode);
        QCOMPARE(namesIn(env.path(QStringLiteral("w"))), (QStringList{"link.txt", "real.txt"}));
    }

    void newFileTakesTheUsualMode()
    {
        TestEnvironment env;
        const QString path = env.path(QStringLiteral("neu.txt"));
        const mode_t mask = ::umask(022);
        QVERIFY(WriteFileSafely(path, "x"));
        ::umask(mask);
        QCOMPARE(int(statOf(path).st_mode & 07777), 0644);
    }

    void onlyRegularFilesAreReplaced()
    {
        TestEnvironment env;
        const QString folder = env.makeFolder(QStringLiteral("w/ordner"));
        const QString fifo = env.path(QStringLiteral("w/rohr"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        for (const auto &[path, error] : {std::pair{folder, EISDIR}, std::pair{fifo, EINVAL}}) {
            QString reason;
            QVERIFY(!WriteFileSafely(path, "x", &reason));
            QCOMPARE(reason, SystemErrorText(error));
        }
        QVERIFY(QFileInfo(folder).isDir());
        QVERIFY(S_ISFIFO(statOf(fifo).st_mode));
        QCOMPARE(namesIn(env.path(QStringLiteral("w"))), (QStringList{"ordner", "rohr"}));
    }

    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<QString>("medium");
        QTest::addColumn<int>("error");
        QTest::newRow("full") << QStringLiteral("full") << ENOSPC;
        QTest::newRow("read-only") << QStringLiteral("read-only") << EROFS;
        QTest::newRow("cancelled") << QStringLiteral("cancelled") << 0;
    }

    void failedWriteKeepsOldFile()
    {
        QFETCH(QString, medium);
        QFETCH(int, error);
        TestEnvironment env;
        const QByteArray old(20000, 'o');
        const QString folder = env.makeFolder(QStringLiteral("mnt"));
        env.writeFile(QStringLiteral("mnt/old.txt"), old);
        std::unique_ptr<ScratchMount> mount;
        if (medium == QLatin1String("read-only"))
            mount = std::make_unique<ScratchMount>(folder);
        if (medium == QLatin1String("full"))
            mount = std::make_unique<ScratchMount>(64);
        if (mount)
            REQUIRE_MOUNT(*mount);
        const QString path = mount ? mount->path(QStringLiteral("old.txt")) : folder + QStringLiteral("/old.txt");
        if (medium == QLatin1String("full")) {
            QVERIFY(WriteFileSafely(path, old));
            mount->fill();
        }
        const QStringList before = namesIn(QFileInfo(path).path());

        SafeSave file(path);
        const bool written = file.open() && file.write(QByteArray(60000, 'n'));
        if (medium == QLatin1String("cancelled")) {
            QVERIFY(written);
            file.cancel();
        } else {
            QVERIFY(!file.commit());
            QCOMPARE(file.errorString(), SystemErrorText(error));
        }
        QCOMPARE(FileBytes(path), old);
        QCOMPARE(namesIn(QFileInfo(path).path()), before);
    }

    void killedWriterLeavesOldFileAlone()
    {
        TestEnvironment env;
        const QString path = env.writeFile(QStringLiteral("w/k.prj"), "alt");
        const pid_t child = ::fork();
        if (child == 0) {
            SafeSave file(path);
            if (file.open() && file.write(QByteArray(100000, 'n')))
                ::raise(SIGKILL);
            ::_exit(1);
        }
        int status = 0;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFSIGNALED(status));
        QCOMPARE(FileBytes(path), QByteArray("alt"));
        QCOMPARE(namesIn(env.path(QStringLiteral("w"))), QStringList{QStringLiteral("k.prj")});
    }
};

BREKKO_TEST_MAIN(SafeSaveTest)
#include "SafeSaveTest.moc"
