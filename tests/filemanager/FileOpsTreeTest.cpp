#include "FileTreeFixture.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/ModalSeam.h"
#include "filemanager/ops/TCopyMoveForm.h"
#include "filemanager/ops/TDeleteForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Copies or moves names of folder to target through the real dialog.
int runDialog(const QString &folder, const QStringList &names, const QString &target, bool copyMode)
{
    ModalSeam::ScopedHandler seam([&target](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("Edit_ZielDir"))->setText(target);
        dialog->findChild<QPushButton *>(QStringLiteral("Button_Starten"))->click();
        return dialog->result();
    });
    TCopyMoveForm form(folder, names, copyMode);
    return RunModal(&form);
}

// A real tree: the sample plus a few hundred files in nested folders.
void makeTree(const QString &root, const QString &outside)
{
    FileTree::makeSample(root, outside);
    for (int folder = 0; folder < 10; ++folder) {
        for (int file = 0; file < 30; ++file)
            FileTree::write(root + QStringLiteral("/many/f%1/n%2.dat").arg(folder).arg(file),
                            QByteArray(file * 997 + folder, char('a' + file % 26)));
    }
}

} // namespace

class FileOpsTreeTest : public QObject {
    Q_OBJECT

private slots:
    void copyThenMoveKeepsTheTree();
    void nameWithInvalidBytesIsNeverLost();
};

void FileOpsTreeTest::copyThenMoveKeepsTheTree()
{
    TestEnvironment env;
    const QString source = env.makeFolder(QStringLiteral("source"));
    const QString outside = env.makeFolder(QStringLiteral("outside"));
    makeTree(source + QStringLiteral("/tree"), outside);
    FileTree::write(source + QStringLiteral("/.profile"), "hidden at the top");
    const QStringList names{QStringLiteral("tree"), QStringLiteral(".profile")};
    const QStringList original = FileTree::listing(source);
    const QStringList outsideBefore = FileTree::listing(outside);
    MsgBoxRecorder recorder;

    const QString copy = env.path(QStringLiteral("copy/made/on/the/way"));
    QCOMPARE(runDialog(source, names, copy, true), int(QDialog::Accepted));
    QCOMPARE(FileTree::listing(copy), original);
    QCOMPARE(FileTree::listing(source), original);

    const QString moved = env.makeFolder(QStringLiteral("moved"));
    QCOMPARE(runDialog(copy, names, moved, false), int(QDialog::Accepted));
    QCOMPARE(FileTree::listing(moved), original);
    QCOMPARE(FileTree::listing(copy), QStringList());
    QCOMPARE(FileTree::listing(outside), outsideBefore);

    // Deleting the moved tree for good leaves what its links point to.
    TDeleteForm erase(moved, names);
    erase.findChild<QWidget *>(QStringLiteral("RadioButton_Loeschen"))->setProperty("checked", true);
    erase.findChild<QPushButton *>(QStringLiteral("Button_Loeschen"))->click();
    QCOMPARE(FileTree::listing(moved), QStringList());
    QCOMPARE(FileTree::listing(outside), outsideBefore);
    QCOMPARE(recorder.count(), 0);
}

void FileOpsTreeTest::nameWithInvalidBytesIsNeverLost()
{
    TestEnvironment env;
    const QString source = env.makeFolder(QStringLiteral("source"));
    const QByteArray top = QFile::encodeName(source) + "/bad\xff\xfe name.txt";
    const QByteArray inner = QFile::encodeName(source) + "/d/also\xff.bin";
    FileTree::write(source + QStringLiteral("/d/good.txt"), "good");
    for (const QByteArray &raw : {top, inner}) {
        const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT, 0644);
        QVERIFY(fd >= 0);
        QCOMPARE(::write(fd, "raw", 3), ssize_t(3));
        ::close(fd);
    }
    MsgBoxRecorder recorder;
    const QString target = env.makeFolder(QStringLiteral("target"));
    runDialog(source, QDir(source).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), target, false);

    // A name that cannot be spelt is moved nowhere and stays where it was;
    // so does the folder holding it.
    QCOMPARE(::access(top.constData(), F_OK), 0);
    QCOMPARE(::access(inner.constData(), F_OK), 0);
    QVERIFY(QFile::exists(target + QStringLiteral("/d/good.txt")));
    QVERIFY(!QFile::exists(source + QStringLiteral("/d/good.txt")));
    ::unlink(top.constData());
    ::unlink(inner.constData());
}

BREKKO_TEST_MAIN(FileOpsTreeTest)
#include "FileOpsTreeTest.moc"
