#include "filemanager/FileListModel.h"

#include "TestEnvironment.h"
#include "TestRegistry.h"

#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

QStringList Names(const FileListModel &model)
{
    QStringList names;
    for (const FileListEntry &entry : model.entries())
        names.append(entry.name);
    return names;
}

void SetModified(const QString &path, const QDateTime &time)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

} // namespace

class FileListModelTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listing_data();
    void listing();
    void severalFolders();
    void missingFolderGivesNothing();
    void oddNames();
    void sortOrder_data();
    void sortOrder();
    void sortKeyNeedsItsColumn();
    void columns_data();
    void columns();
    void hugeFileSize();

private:
    TestEnvironment *m_env = nullptr;
    QString m_folder;
};

void FileListModelTest::init()
{
    m_env = new TestEnvironment;
    m_folder = m_env->makeFolder(QStringLiteral("list"));
    for (const char *name : {"a.txt", "B.TXT", "Makefile", "abc", ".hidden", "ro.txt"})
        m_env->writeFile(QStringLiteral("list/") + QLatin1String(name), "x");
    m_env->makeFolder(QStringLiteral("list/sub"));
    QFile::setPermissions(m_folder + QStringLiteral("/ro.txt"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
}

void FileListModelTest::cleanup()
{
    delete m_env;
    m_env = nullptr;
}

void FileListModelTest::listing_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<unsigned>("types");
    QTest::addColumn<bool>("folders");
    QTest::addColumn<QStringList>("names");
    const unsigned all = ftAll;
    QTest::newRow("star shows all") << "*" << all << true
                                    << QStringList{"sub", ".hidden", "a.txt", "abc", "B.TXT", "Makefile", "ro.txt"};
    QTest::newRow("star-dot-star needs a dot")
        << "*.*" << all << true << QStringList{"sub", ".hidden", "a.txt", "B.TXT", "ro.txt"};
    QTest::newRow("bare word, folders whatever the mask")
        << "txt" << all << true << QStringList{"sub", "a.txt", "B.TXT", "ro.txt"};
    QTest::newRow("folders left out") << "txt" << all << false << QStringList{"a.txt", "B.TXT", "ro.txt"};
    QTest::newRow("hidden filtered") << "*" << unsigned(ftArchive | ftReadonly) << true
                                     << QStringList{"sub", "a.txt", "abc", "B.TXT", "Makefile", "ro.txt"};
    QTest::newRow("read-only filtered") << "*" << unsigned(ftArchive) << true
                                        << QStringList{"sub", "a.txt", "abc", "B.TXT", "Makefile"};
    QTest::newRow("read-only without archive")
        << "*" << unsigned(ftReadonly) << true << QStringList{"sub", "a.txt", "abc", "B.TXT", "Makefile", "ro.txt"};
    QTest::newRow("hidden wanted") << "*" << unsigned(ftHidden) << true
                                   << QStringList{"sub", ".hidden", "a.txt", "abc", "B.TXT", "Makefile"};
}

void FileListModelTest::listing()
{
    QFETCH(QString, mask);
    QFETCH(unsigned, types);
    QFETCH(bool, folders);
    QFETCH(QStringList, names);
    FileListModel model;
    model.setFileTypes(types);
    model.setDisplayDirectory(folders);
    model.setMask(mask);
    model.setDirectory(m_folder);
    QCOMPARE(Names(model), names);
    QCOMPARE(model.rowCount(), names.size());
}

void FileListModelTest::severalFolders()
{
    const QString other = m_env->makeFolder(QStringLiteral("other"));
    m_env->writeFile(QStringLiteral("other/z.txt"), "z");
    FileListModel model;
    model.setMask(QStringLiteral("*.txt"));
    model.setDirectory(m_folder + QLatin1Char(';') + other);
    QCOMPARE(model.directory(), m_folder + QStringLiteral("/;") + other + QLatin1Char('/'));
    QCOMPARE(Names(model), (QStringList{"sub", "a.txt", "B.TXT", "ro.txt", "z.txt"}));
    QCOMPARE(model.entries().last().folder, other + QLatin1Char('/'));
    model.setDirectory(QString());
    QCOMPARE(model.directory(), QString());
    QCOMPARE(model.rowCount(), 0);
}

void FileListModelTest::missingFolderGivesNothing()
{
    FileListModel model;
    model.setDirectory(m_folder);
    QVERIFY(model.rowCount() > 0);
    QVERIFY(QDir(m_folder).removeRecursively());
    model.reread();
    QCOMPARE(model.rowCount(), 0);
    model.setDirectory(m_env->path(QStringLiteral("never/there")));
    QCOMPARE(model.rowCount(), 0);
}

void FileListModelTest::oddNames()
{
    const QString folder = m_env->makeFolder(QStringLiteral("odd"));
    m_env->writeFile(QStringLiteral("odd/line\nbreak.txt"), "1");
    m_env->writeFile(QStringLiteral("odd/mit Blank ü.txt"), "22");
    const QByteArray raw = QFile::encodeName(folder) + "/bad\xff.txt";
    const int fd = ::open(raw.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY(fd >= 0);
    ::close(fd);
    FileListModel model;
    model.setDirectory(folder);
    // Qt leaves out a name that is no valid UTF-8; the others still show.
    QVERIFY(model.rowCount() >= 2);
    QVERIFY(Names(model).contains(QStringLiteral("line\nbreak.txt")));
    QVERIFY(Names(model).contains(QStringLiteral("mit Blank ü.txt")));
}

void FileListModelTest::sortOrder_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("names");
    // sizes: one.c 3, two.h 1, three.c 2; modified: one oldest, three newest.
    QTest::newRow("name") << int(fiName) << 0 << QStringList{"dir", "one.c", "three.c", "two.h"};
    QTest::newRow("name reversed") << int(fiName) << 1 << QStringList{"dir", "two.h", "three.c", "one.c"};
    QTest::newRow("name twice back") << int(fiName) << 2 << QStringList{"dir", "one.c", "three.c", "two.h"};
    QTest::newRow("size") << int(fiSize) << 1 << QStringList{"dir", "two.h", "three.c", "one.c"};
    QTest::newRow("size reversed") << int(fiSize) << 2 << QStringList{"dir", "one.c", "three.c", "two.h"};
    QTest::newRow("modified newest first") << int(fiModified) << 1 << QStringList{"dir", "three.c", "two.h", "one.c"};
    QTest::newRow("modified reversed") << int(fiModified) << 2 << QStringList{"dir", "one.c", "two.h", "three.c"};
}

void FileListModelTest::sortOrder()
{
    QFETCH(int, key);
    QFETCH(int, clicks);
    QFETCH(QStringList, names);
    const QString folder = m_env->makeFolder(QStringLiteral("sorted"));
    m_env->makeFolder(QStringLiteral("sorted/dir"));
    const QDateTime base(QDate(2020, 9, 1), QTime(12, 0));
    SetModified(m_env->writeFile(QStringLiteral("sorted/one.c"), "111"), base);
    SetModified(m_env->writeFile(QStringLiteral("sorted/two.h"), "1"), base.addDays(40));
    SetModified(m_env->writeFile(QStringLiteral("sorted/three.c"), "22"), base.addDays(400));
    FileListModel model;
    model.setDirectory(folder);
    for (int i = 0; i < clicks; ++i)
        model.setSortColumn(FileInfo(key));
    QCOMPARE(Names(model), names);
    model.reread();
    QCOMPARE(Names(model), names);
}

void FileListModelTest::sortKeyNeedsItsColumn()
{
    FileListModel model;
    model.setSortColumn(fiDosExt);
    QCOMPARE(model.sortColumn(), fiName);
    QVERIFY(!FileListModel::sortDescending());
    model.setSortColumn(fiAll);
    QCOMPARE(model.sortColumn(), fiName);
    model.setViewColumns(InfoBit(fiAll));
    model.setSortColumn(fiDosExt);
    QCOMPARE(model.sortColumn(), fiDosExt);
}

void FileListModelTest::columns_data()
{
    QTest::addColumn<unsigned>("infos");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("default") << InfoBit(fiName) << QStringList{"Name", "Size"} << QList<int>{150, 0};
    QTest::newRow("type without size") << (InfoBit(fiName) | InfoBit(fiType) | InfoBit(fiAttributes))
                                       << QStringList{"Name", "Size", "Type", "Attributes"}
                                       << QList<int>{150, 0, 130, 60};
    QTest::newRow("all") << InfoBit(fiAll)
                         << QStringList{"Name",        "Size",       "Type",     "Modified", "Created",
                                        "Last Access", "Attributes", "Dos Name", "Dos Ext",  "Path"}
                         << QList<int>{150, 60, 130, 100, 100, 85, 60, 130, 60, 200};
}

void FileListModelTest::columns()
{
    QFETCH(unsigned, infos);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, widths);
    FileListModel model;
    model.setViewColumns(infos);
    QStringList shown;
    QList<int> shownWidths;
    for (int column = 0; column < model.columnCount(); ++column) {
        shown.append(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
        shownWidths.append(model.columnWidth(column));
    }
    QCOMPARE(shown, captions);
    QCOMPARE(shownWidths, widths);
}

void FileListModelTest::hugeFileSize()
{
    const QString folder = m_env->makeFolder(QStringLiteral("huge"));
    QFile big(m_env->writeFile(QStringLiteral("huge/big.img"), QByteArray()));
    QVERIFY(big.open(QIODevice::ReadWrite));
    if (!big.resize(5LL * 1024 * 1024 * 1024))
        QSKIP("The file system holds no sparse 5 GB file");
    big.close();
    m_env->writeFile(QStringLiteral("huge/small.img"), "12345");
    FileListModel model;
    model.setViewColumns(InfoBit(fiName) | InfoBit(fiSize));
    model.setDirectory(folder);
    model.setSortColumn(fiSize);
    QCOMPARE(Names(model), (QStringList{"small.img", "big.img"}));
    QCOMPARE(model.data(model.index(1, 1), Qt::DisplayRole).toString(), QStringLiteral("5368709120"));
    QCOMPARE(model.data(model.index(0, 1), Qt::DisplayRole).toString(), QStringLiteral("         5"));
    FileListEntry huge;
    huge.size = 123456789012;
    QCOMPARE(SizeText(huge), QStringLiteral("123456789012"));
}

BREKKO_TEST_MAIN(FileListModelTest)
#include "FileListModelTest.moc"
