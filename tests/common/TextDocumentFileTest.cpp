#include "FileTreeFixture.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "common/editor/TextDocumentFile.h"
#include "platform/NativeNames.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(TextReadResult)

namespace {

constexpr EditorLimits kLimits{1000, 4, 10};

QByteArray rawContent(const QByteArray &path)
{
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return "(unreadable)";
    return file.readAll();
}

QList<QByteArray> rawNames(const QByteArray &folder)
{
    QList<QByteArray> names;
    DIR *dir = ::opendir(folder.constData());
    while (const dirent *entry = dir ? ::readdir(dir) : nullptr) {
        if (entry->d_name[0] != '.')
            names.append(entry->d_name);
    }
    if (dir)
        ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

class TextDocumentFileTest : public QObject {
    Q_OBJECT

private slots:
    // The file is read and written back after an edit: its encoding and line
    // breaks stay unless a character would be lost.
    void editedTextKeepsTheFileForm_data()
    {
        QTest::addColumn<QByteArray>("original");
        QTest::addColumn<QString>("expectedText");
        QTest::addColumn<QString>("appended");
        QTest::addColumn<QByteArray>("saved");

        QTest::newRow("windows-1252 stays") << QByteArray("Gr\xF6\xDF"
                                                          "e\r\nzwei\r\n")
                                            << QStringLiteral("Größe\nzwei") << QStringLiteral(" \u00e4")
                                            << QByteArray("Gr\xF6\xDF"
                                                          "e\r\nzwei \xE4\r\n");
        QTest::newRow("utf-8 stays without bom") << QByteArray("Gr\xC3\xB6\xC3\x9F"
                                                               "e\nzwei\n")
                                                 << QStringLiteral("Größe\nzwei") << QStringLiteral("ä")
                                                 << QByteArray("Gr\xC3\xB6\xC3\x9F"
                                                               "e\nzwei\xC3\xA4\n");
        QTest::newRow("utf-8 keeps its bom, no final break")
            << QByteArray("\xEF\xBB\xBFx\r\ny") << QStringLiteral("x\ny") << QStringLiteral("!")
            << QByteArray("\xEF\xBB\xBFx\r\ny!");
        QTest::newRow("euro sign fits windows-1252") << QByteArray("a\xE4\r\n") << QStringLiteral("aä")
                                                     << QStringLiteral("\u20ac") << QByteArray("a\xE4\x80\r\n");
        QTest::newRow("character beyond windows-1252 turns utf-8")
            << QByteArray("a\xE4\r\n") << QStringLiteral("aä") << QStringLiteral("\u2713")
            << QByteArray("\xEF\xBB\xBF"
                          "a\xC3\xA4\xE2\x9C\x93\r\n");
        QTest::newRow("lone cr kept") << QByteArray("a\rb\r") << QStringLiteral("a\nb") << QStringLiteral("c")
                                      << QByteArray("a\rbc\r");
        QTest::newRow("mixed breaks take the first") << QByteArray("a\nb\r\nc\n") << QStringLiteral("a\nb\nc")
                                                     << QStringLiteral("d") << QByteArray("a\nb\ncd\n");
        QTest::newRow("utf-16 big-endian stays")
            << QByteArray("\xFE\xFF\0a\0\r\0\n", 8) << QStringLiteral("a") << QStringLiteral("\u2713")
            << QByteArray("\xFE\xFF\0a\x27\x13\0\r\0\n", 10);
        QTest::newRow("utf-32 little-endian stays")
            << QByteArray("\xFF\xFE\0\0\xE4\0\0\0", 8) << QStringLiteral("ä") << QStringLiteral("b")
            << QByteArray("\xFF\xFE\0\0\xE4\0\0\0b\0\0\0", 12);
        QTest::newRow("new text in an empty file")
            << QByteArray() << QString() << QStringLiteral("neu") << QByteArray("neu\r\n");
    }

    void editedTextKeepsTheFileForm()
    {
        QFETCH(QByteArray, original);
        QFETCH(QString, expectedText);
        QFETCH(QString, appended);
        QFETCH(QByteArray, saved);
        TestEnvironment env;
        const QString path = env.writeFile(QStringLiteral("file.txt"), original);
        TextDocument document;
        QCOMPARE(ReadTextDocument(path, document, EditorLimits()), TextReadResult::Read);
        QCOMPARE(document.text, expectedText);
        QCOMPARE(EncodeTextDocument(document), original);
        document.text += appended;
        QString reason;
        QVERIFY(SaveTextDocument(path, document, &reason));
        QCOMPARE(FileBytes(path), saved);
        QCOMPARE(EncodeTextDocument(document), saved);
    }

    // Files the editor must not take as text, or cannot save unchanged.
    void namesThatAreNotUtf8_data()
    {
        QTest::addColumn<QByteArray>("folder");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("linkTo");
        QTest::newRow("Latin-1 name") << QByteArray("dir") << QByteArray("latin\xe4.txt") << QByteArray();
        QTest::newRow("Latin-1 folder") << QByteArray("ordner\xe4") << QByteArray("a.txt") << QByteArray();
        QTest::newRow("link to a Latin-1 name")
            << QByteArray("ordner\xe4") << QByteArray("link\xff") << QByteArray("ziel\xe4.txt");
    }

    // Opened and saved under the very bytes; a link is written through.
    void namesThatAreNotUtf8()
    {
        QFETCH(QByteArray, folder);
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, linkTo);
        TestEnvironment env;
        const auto cleanUp = qScopeGuard([&env] { FileTree::removeRawTree(QFile::encodeName(env.root())); });
        const QByteArray place = QFile::encodeName(env.root()) + '/' + folder;
        ::mkdir(place.constData(), 0755);
        const QByteArray written = place + '/' + (linkTo.isEmpty() ? name : linkTo);
        QVERIFY(FileTree::writeRaw(written, "alt\n"));
        if (!linkTo.isEmpty())
            QCOMPARE(::symlink(linkTo.constData(), (place + '/' + name).constData()), 0);
        const QList<QByteArray> before = rawNames(place);

        const QString path = NativeNames::decode(place + '/' + name);
        TextDocument document;
        QCOMPARE(ReadTextDocument(path, document, EditorLimits()), TextReadResult::Read);
        QCOMPARE(document.text, QStringLiteral("alt"));
        document.text += QStringLiteral("neu");
        QString reason;
        QVERIFY2(SaveTextDocument(path, document, &reason), qPrintable(reason));
        QCOMPARE(rawContent(written), QByteArray("altneu\n"));
        QCOMPARE(rawNames(place), before);
        struct stat entry;
        QCOMPARE(::lstat((place + '/' + name).constData(), &entry), 0);
        QCOMPARE(S_ISLNK(entry.st_mode), !linkTo.isEmpty());
    }

    void whatIsRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<TextReadResult>("result");

        QTest::newRow("more bytes than the limit") << QByteArray(1001, '\n') << TextReadResult::TooLarge;
        QTest::newRow("every limit reached")
            << QByteArray("0123456789\r\n\r\n\r\n0123456789\r\n") << TextReadResult::Read;
        QTest::newRow("more lines than the limit") << QByteArray("a\nb\nc\nd\ne") << TextReadResult::TooManyLines;
        QTest::newRow("line longer than the limit") << QByteArray("a\n01234567890") << TextReadResult::LineTooLong;
        QTest::newRow("NUL byte") << QByteArray("ELF\0\1\2", 6) << TextReadResult::Binary;
        QTest::newRow("NUL character in utf-16") << QByteArray("\xFF\xFE"
                                                               "a\0\0\0",
                                                               6)
                                                 << TextReadResult::Binary;
        QTest::newRow("paragraph separator") << QByteArray("a\xE2\x80\xA9"
                                                           "b")
                                             << TextReadResult::ReadOnly;
        QTest::newRow("utf-16 cut in a character") << QByteArray("\xFF\xFE"
                                                                 "a\0b",
                                                                 5)
                                                   << TextReadResult::ReadOnly;
        QTest::newRow("lone surrogate in utf-16") << QByteArray("\xFF\xFE\x00\xD8", 4) << TextReadResult::Read;
        QTest::newRow("bom before broken utf-8 is windows-1252")
            << QByteArray("\xEF\xBB\xBF\xFF") << TextReadResult::Read;
        QTest::newRow("line separator and no-break space")
            << QByteArray("a\xE2\x80\xA8\xC2\xA0") << TextReadResult::Read;
    }

    void whatIsRead()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(TextReadResult, result);
        TestEnvironment env;
        TextDocument document;
        document.text = QStringLiteral("kept");
        QCOMPARE(ReadTextDocument(env.writeFile(QStringLiteral("f"), bytes), document, kLimits), result);
        const bool read = result == TextReadResult::Read || result == TextReadResult::ReadOnly;
        QCOMPARE(document.text == QLatin1String("kept"), !read);
        if (read)
            QCOMPARE(document.readBytes, bytes);
    }

    void nothingButAFileIsRead()
    {
        TestEnvironment env;
        const QString fifo = env.path(QStringLiteral("rohr"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        TextDocument document;
        for (const QString &path : {env.makeFolder(QStringLiteral("dir")), env.path(QStringLiteral("missing")), fifo})
            QCOMPARE(ReadTextDocument(path, document, kLimits), TextReadResult::NotFound);
        // A file of the system reports no size; it is read to its end.
        QCOMPARE(ReadTextDocument(QStringLiteral("/proc/self/status"), document, EditorLimits()), TextReadResult::Read);
        QVERIFY(document.text.startsWith(QLatin1String("Name:")));
    }

    // An image of a disc opened by mistake is refused before it is read.
    void hugeFileIsRefusedUnread()
    {
        TestEnvironment env;
        QFile sparse(env.path(QStringLiteral("disc.iso")));
        QVERIFY(sparse.open(QIODevice::WriteOnly));
        if (!sparse.resize(qint64(3) << 30))
            QSKIP("the file system cannot hold a sparse file of 3 GB");
        sparse.close();
        TextDocument document;
        QCOMPARE(ReadTextDocument(sparse.fileName(), document, EditorLimits()), TextReadResult::TooLarge);
        QCOMPARE(EditorLimitsFor(-1).bytes, qint64(64) << 20);
        QCOMPARE(EditorLimitsFor(qint64(160) << 20).bytes, qint64(10) << 20);
    }
};

BREKKO_TEST_MAIN(TextDocumentFileTest)
#include "TextDocumentFileTest.moc"
