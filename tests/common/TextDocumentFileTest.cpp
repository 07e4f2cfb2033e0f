#include "ScratchMount.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "common/editor/TextDocumentFile.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <optional>

class TextDocumentFileTest : public QObject {
    Q_OBJECT

private slots:
    // The file is read and written back after an edit: its encoding and line
    // breaks stay unless a character would be lost.
    void savingKeepsEncoding_data()
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
                                                 << QStringLiteral("Größe\nzwei") << QString()
                                                 << QByteArray("Gr\xC3\xB6\xC3\x9F"
                                                               "e\nzwei\n");
        QTest::newRow("utf-8 keeps its bom") << QByteArray("\xEF\xBB\xBFx\r\ny") << QStringLiteral("x\ny") << QString()
                                             << QByteArray("\xEF\xBB\xBFx\r\ny\r\n");
        QTest::newRow("euro sign fits windows-1252") << QByteArray("a\xE4\r\n") << QStringLiteral("aä")
                                                     << QStringLiteral("\u20ac") << QByteArray("a\xE4\x80\r\n");
        QTest::newRow("character beyond windows-1252 turns utf-8")
            << QByteArray("a\xE4\r\n") << QStringLiteral("aä") << QStringLiteral("\u2713")
            << QByteArray("\xEF\xBB\xBF"
                          "a\xC3\xA4\xE2\x9C\x93\r\n");
        QTest::newRow("lone cr kept") << QByteArray("a\rb\r") << QStringLiteral("a\nb") << QString()
                                      << QByteArray("a\rb\r");
        QTest::newRow("empty file stays empty") << QByteArray() << QString() << QString() << QByteArray();
    }

    void savingKeepsEncoding()
    {
        QFETCH(QByteArray, original);
        QFETCH(QString, expectedText);
        QFETCH(QString, appended);
        QFETCH(QByteArray, saved);
        TestEnvironment env;
        const QString path = env.writeFile(QStringLiteral("file.txt"), original);
        TextDocument document;
        QVERIFY(ReadTextDocument(path, document));
        QCOMPARE(document.text, expectedText);
        document.text += appended;
        QVERIFY(WriteFileSafely(path, EncodeTextDocument(document)));
        QCOMPARE(FileBytes(path), saved);
    }

    void folderAndMissingFileAreNotRead()
    {
        TestEnvironment env;
        TextDocument document;
        document.text = QStringLiteral("kept");
        QVERIFY(!ReadTextDocument(env.makeFolder(QStringLiteral("dir")), document));
        QVERIFY(!ReadTextDocument(env.path(QStringLiteral("missing.txt")), document));
        QCOMPARE(document.text, QStringLiteral("kept"));
    }

    void exportLinesUseCrLf()
    {
        QCOMPARE(EncodeTextLines({QStringLiteral("ä"), QString()}), QByteArray("\xE4\r\n\r\n"));
        QCOMPARE(EncodeTextLines({QStringLiteral("\u2713")}), QByteArray("\xEF\xBB\xBF\xE2\x9C\x93\r\n"));
    }

    void failedWriteKeepsOldFile_data()
    {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("full file system") << true;
        QTest::newRow("read-only file system") << false;
    }

    void failedWriteKeepsOldFile()
    {
        QFETCH(bool, fullDisk);
        TestEnvironment env;
        const QString folder = env.makeFolder(QStringLiteral("mnt"));
        const QByteArray old(20000, 'o');
        if (!fullDisk)
            env.writeFile(QStringLiteral("mnt/old.txt"), old);
        std::optional<ScratchMount> mount;
        if (fullDisk)
            mount.emplace(64);
        else
            mount.emplace(folder);
        REQUIRE_MOUNT(*mount);
        const QString path = mount->path(QStringLiteral("old.txt"));
        if (fullDisk) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QCOMPARE(file.write(old), old.size());
        }
        QString reason;
        QVERIFY(!WriteFileSafely(path, QByteArray(60000, 'n'), &reason));
        QVERIFY(!reason.isEmpty());
        QCOMPARE(FileBytes(path), old);
        QCOMPARE(QDir(mount->path()).entryList(QDir::Files), QStringList{QStringLiteral("old.txt")});
    }
};

BREKKO_TEST_MAIN(TextDocumentFileTest)
#include "TextDocumentFileTest.moc"
