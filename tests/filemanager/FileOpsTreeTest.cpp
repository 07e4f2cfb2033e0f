#include "FileTreeFixture.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/ModalSeam.h"
#include "filemanager/FileListModel.h"
#include "filemanager/ops/TCopyMoveForm.h"
#include "filemanager/ops/TDeleteForm.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
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

// Every entry below root as its bytes, with the content of each file.
QStringList rawListing(const QByteArray &root, const QByteArray &relative = {})
{
    QStringList lines;
    DIR *dir = ::opendir((root + relative).constData());
    if (!dir)
        return lines;
    while (const dirent *entry = ::readdir(dir)) {
        const QByteArray name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        const QByteArray path = relative + '/' + name;
        if (entry->d_type == DT_DIR) {
            lines.append(QString::fromLatin1(path.toHex()) + QStringLiteral("/"));
            lines += rawListing(root, path);
        } else {
            QByteArray content(256, '\0');
            const int fd = ::open((root + path).constData(), O_RDONLY);
            content.truncate(qMax<ssize_t>(::read(fd, content.data(), content.size()), 0));
            ::close(fd);
            lines.append(QString::fromLatin1(path.toHex() + ' ' + content.toHex()));
        }
    }
    ::closedir(dir);
    lines.sort();
    return lines;
}

} // namespace

class FileOpsTreeTest : public QObject {
    Q_OBJECT

private slots:
    void copyThenMoveKeepsTheTree();
    void namesThatAreNotUtf8_data();
    void namesThatAreNotUtf8();
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

void FileOpsTreeTest::namesThatAreNotUtf8_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("copy") << "copy";
    QTest::newRow("move") << "move";
    QTest::newRow("delete") << "delete";
    QTest::newRow("trash") << "trash";
}

// Latin-1 names as old media carry them, listed by the file list and handed
// on as the list has them.
void FileOpsTreeTest::namesThatAreNotUtf8()
{
    QFETCH(QString, operation);
    TestEnvironment env;
    const auto cleanUp = qScopeGuard([&env] { FileTree::removeRawTree(QFile::encodeName(env.root())); });
    const QString source = env.makeFolder(QStringLiteral("source"));
    const QByteArray root = QFile::encodeName(source);
    ::mkdir((root + "/ordner\xe4").constData(), 0755);
    ::mkdir((root + "/d").constData(), 0755);
    for (const char *name : {"/bad\xff\xfe name.txt", "/d/also\xff.bin", "/d/good.txt", "/ordner\xe4/inner.txt"})
        QVERIFY(FileTree::writeRaw(root + name, name));
    const QStringList before = rawListing(root);

    FileListModel model;
    model.setDirectory(source);
    QStringList names;
    for (const FileListEntry &entry : model.entries())
        names.append(entry.name);
    QCOMPARE(names.size(), 3);
    QVERIFY(model.index(0, 0).data().toString().contains(QChar::ReplacementCharacter)
            || model.index(1, 0).data().toString().contains(QChar::ReplacementCharacter));

    MsgBoxRecorder recorder;
    const QString target = env.makeFolder(QStringLiteral("target"));
    if (operation == QLatin1String("copy") || operation == QLatin1String("move")) {
        const bool copy = operation == QLatin1String("copy");
        QCOMPARE(runDialog(source, names, target, copy), int(QDialog::Accepted));
        QCOMPARE(rawListing(QFile::encodeName(target)), before);
        QCOMPARE(rawListing(root), copy ? before : QStringList());
    } else {
        TDeleteForm erase(source, names);
        erase.findChild<QWidget *>(QStringLiteral("RadioButton_Loeschen"))
            ->setProperty("checked", operation == QLatin1String("delete"));
        erase.findChild<QPushButton *>(QStringLiteral("Button_Loeschen"))->click();
        QCOMPARE(erase.result(), int(QDialog::Accepted));
        QCOMPARE(rawListing(root), QStringList());
        const QStringList trashed = rawListing(QFile::encodeName(env.path(QStringLiteral("data/Trash/files"))));
        QCOMPARE(trashed, operation == QLatin1String("trash") ? before : QStringList());
    }
    QCOMPARE(recorder.count(), 0);
}

BREKKO_TEST_MAIN(FileOpsTreeTest)
#include "FileOpsTreeTest.moc"
