#include "platform/native/NewFile.h"
#include "FileBytes.h"
#include "FileTreeFixture.h"
#include "ScratchMount.h"
#include "TestRegistry.h"

#include <QTest>

#include <csignal>
#include <fcntl.h>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// tmpfs has unnamed files; exFAT through FUSE has neither them, nor hard
// links, nor a rename that refuses to replace, so every fallback is taken.
enum Medium { Tmpfs, Exfat };

std::unique_ptr<ScratchMount> mountMedium(int medium, bool tiny = false)
{
    if (medium == Exfat)
        return std::make_unique<ScratchMount>(ScratchMount::Exfat{3072});
    return std::make_unique<ScratchMount>(tiny ? 64 : 4096);
}

#define REQUIRE_MEDIUM(medium, mount)                                                                                  \
    if ((medium) == Exfat) {                                                                                           \
        REQUIRE_EXFAT(mount);                                                                                          \
    } else {                                                                                                           \
        REQUIRE_MOUNT(mount);                                                                                          \
    }

// What is at path now, not following a link.
mode_t kindOf(const QString &path)
{
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

// Puts an entry of that kind at path: a file holding "alt", a link to
// ziel.txt beside it, a folder with a file in it, or a pipe.
void makeEntry(const QString &path, const QString &kind)
{
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("file"))
        FileTree::write(path, "alt");
    if (kind == QLatin1String("link")) {
        FileTree::write(QFileInfo(path).path() + QStringLiteral("/ziel.txt"), "ziel");
        ::symlink("ziel.txt", name.constData());
    }
    if (kind == QLatin1String("folder"))
        FileTree::write(path + QStringLiteral("/innen.txt"), "innen");
    if (kind == QLatin1String("fifo"))
        ::mkfifo(name.constData(), 0644);
}

// A file written into folder as k.txt, published or not; the writes' and
// the publishing's results, errno after the last step.
struct Outcome {
    bool written = false;
    bool published = false;
    int error = 0;
};

Outcome writeNewFile(const QString &folder, const QByteArray &bytes, bool publish, bool replace)
{
    Outcome outcome;
    const int folderFd = ::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    {
        NewFile file(folderFd, "k.txt", 0644);
        outcome.written = file.fd() >= 0 && WriteAll(file.fd(), bytes.constData(), size_t(bytes.size()));
        outcome.published = outcome.written && publish && file.publish(replace);
        outcome.error = errno;
    }
    ::close(folderFd);
    return outcome;
}

} // namespace

class NewFileTest : public QObject {
    Q_OBJECT

private slots:
    void nameGetsOnlyACompleteFile_data()
    {
        QTest::addColumn<int>("medium");
        QTest::addColumn<QString>("existing");
        QTest::addColumn<bool>("replace");
        QTest::addColumn<int>("error");
        for (const auto &[medium, name] : {std::pair{Tmpfs, "tmpfs"}, std::pair{Exfat, "exFAT"}}) {
            QTest::addRow("%s, new name", name) << int(medium) << QString() << false << 0;
            QTest::addRow("%s, new name, may replace", name) << int(medium) << QString() << true << 0;
            QTest::addRow("%s, over a file", name) << int(medium) << QStringLiteral("file") << true << 0;
            QTest::addRow("%s, name taken", name) << int(medium) << QStringLiteral("file") << false << EEXIST;
            QTest::addRow("%s, over a folder", name) << int(medium) << QStringLiteral("folder") << true << EISDIR;
        }
        QTest::newRow("over a link, not its target") << int(Tmpfs) << QStringLiteral("link") << true << 0;
        QTest::newRow("name taken by a link") << int(Tmpfs) << QStringLiteral("link") << false << EEXIST;
        QTest::newRow("over a pipe, not into it") << int(Tmpfs) << QStringLiteral("fifo") << true << 0;
        QTest::newRow("name taken by a pipe") << int(Tmpfs) << QStringLiteral("fifo") << false << EEXIST;
    }

    void nameGetsOnlyACompleteFile()
    {
        QFETCH(int, medium);
        QFETCH(QString, existing);
        QFETCH(bool, replace);
        QFETCH(int, error);
        const auto mount = mountMedium(medium);
        REQUIRE_MEDIUM(medium, *mount);
        const QString path = mount->path(QStringLiteral("k.txt"));
        makeEntry(path, existing);
        const mode_t kind = kindOf(path);
        const QStringList before = FileTree::paths(mount->path());

        const Outcome outcome = writeNewFile(mount->path(), "neu", true, replace);
        QVERIFY(outcome.written);
        QCOMPARE(outcome.published, error == 0);
        if (error != 0) {
            QCOMPARE(outcome.error, error);
            QCOMPARE(kindOf(path), kind);
        } else {
            QCOMPARE(kindOf(path), mode_t(S_IFREG));
            QCOMPARE(FileBytes(path), QByteArray("neu"));
        }
        if (existing == QLatin1String("file") && error != 0)
            QCOMPARE(FileBytes(path), QByteArray("alt"));
        if (existing == QLatin1String("link"))
            QCOMPARE(FileBytes(mount->path(QStringLiteral("ziel.txt"))), QByteArray("ziel"));
        QStringList expected = before;
        if (existing.isEmpty())
            expected = QStringList{QStringLiteral("k.txt")};
        QCOMPARE(FileTree::paths(mount->path()), expected);
    }

    // A full medium, a read-only one, a file dropped unpublished and a
    // killed writer leave the old file whole; only the kill on a medium
    // without unnamed files leaves something behind: the hidden temporary
    // name.
    void nothingReachesTheNameUnpublished_data()
    {
        QTest::addColumn<int>("medium");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("error");
        for (const auto &[medium, name] : {std::pair{Tmpfs, "tmpfs"}, std::pair{Exfat, "exFAT"}}) {
            QTest::addRow("%s, full", name) << int(medium) << QStringLiteral("full") << ENOSPC;
            QTest::addRow("%s, dropped", name) << int(medium) << QStringLiteral("dropped") << 0;
            QTest::addRow("%s, killed", name) << int(medium) << QStringLiteral("killed") << 0;
        }
        QTest::newRow("read-only") << int(Tmpfs) << QStringLiteral("read-only") << EROFS;
    }

    void nothingReachesTheNameUnpublished()
    {
        QFETCH(int, medium);
        QFETCH(QString, how);
        QFETCH(int, error);
        auto mount = mountMedium(medium, how == QLatin1String("full"));
        REQUIRE_MEDIUM(medium, *mount);
        FileTree::write(mount->path(QStringLiteral("k.txt")), "alt");
        if (how == QLatin1String("full"))
            mount->fill();
        std::unique_ptr<ScratchMount> readOnly;
        if (how == QLatin1String("read-only")) {
            readOnly = std::make_unique<ScratchMount>(mount->path());
            REQUIRE_MOUNT(*readOnly);
        }
        const QString folder = readOnly ? readOnly->path() : mount->path();
        const QString path = folder + QStringLiteral("/k.txt");
        const QStringList before = FileTree::paths(folder);
        const QByteArray bytes(100000, 'n');

        if (how == QLatin1String("killed")) {
            const pid_t child = ::fork();
            if (child == 0) {
                const int folderFd = ::open(QFile::encodeName(folder).constData(), O_PATH | O_DIRECTORY);
                NewFile file(folderFd, "k.txt", 0644);
                if (WriteAll(file.fd(), bytes.constData(), size_t(bytes.size())))
                    ::raise(SIGKILL);
                ::_exit(1);
            }
            int status = 0;
            QCOMPARE(::waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status));
        } else {
            const Outcome outcome = writeNewFile(folder, bytes, error != 0, true);
            QCOMPARE(outcome.written, error == 0);
            QVERIFY(!outcome.published);
            if (error != 0)
                QCOMPARE(outcome.error, error);
        }

        QCOMPARE(FileBytes(path), QByteArray("alt"));
        QStringList after = FileTree::paths(folder);
        if (how == QLatin1String("killed") && medium == Exfat) {
            QCOMPARE(after.size(), before.size() + 1);
            after.removeIf([](const QString &name) { return name.startsWith(QLatin1String(".brekko-")); });
        }
        QCOMPARE(after, before);
    }
};

BREKKO_TEST_MAIN(NewFileTest)
#include "NewFileTest.moc"
