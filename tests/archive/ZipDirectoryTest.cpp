#include "TestZipWriter.h"
#include "ZipTestArchives.h"

#include "TestRegistry.h"
#include "archive/zip/ZipDirectory.h"

#include <QTemporaryDir>
#include <QTest>

using namespace ZipTestArchives;

class ZipDirectoryTest : public QObject {
    Q_OBJECT

private slots:
    void readsArchivesOfTheZipTool_data();
    void readsArchivesOfTheZipTool();
    void decodesNames_data();
    void decodesNames();
    void reportsBrokenDirectories_data();
    void reportsBrokenDirectories();
    void sniffsContent();

private:
    QTemporaryDir m_dir;
};

void ZipDirectoryTest::readsArchivesOfTheZipTool_data()
{
    QTest::addColumn<QString>("build");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<qint64>("firstSize");
    QTest::addColumn<bool>("packedSmaller");

    const QStringList one{QStringLiteral("a.txt")};
    const QStringList tree{QStringLiteral("dir/"), QStringLiteral("dir/sub/"), QStringLiteral("dir/sub/b.txt")};
    QTest::newRow("stored") << "store" << one << qint64(20000) << false;
    QTest::newRow("deflated") << "deflate" << one << qint64(20000) << true;
    QTest::newRow("folders") << "folders" << tree << qint64(0) << false;
    QTest::newRow("comment") << "comment" << one << qint64(20000) << true;
    QTest::newRow("zip64 records") << "zip64" << one << qint64(20000) << true;
    QTest::newRow("stub in front") << "stub" << one << qint64(20000) << true;
    QTest::newRow("stub, offsets adjusted") << "stubAdjusted" << one << qint64(20000) << true;
    QTest::newRow("encrypted") << "password" << one << qint64(20000) << true;
}

void ZipDirectoryTest::readsArchivesOfTheZipTool()
{
    QFETCH(QString, build);
    QFETCH(QStringList, names);
    QFETCH(qint64, firstSize);
    QFETCH(bool, packedSmaller);

    const QString folder = m_dir.filePath(build);
    QVERIFY(writeFile(folder + QStringLiteral("/a.txt"), sampleBytes(20000)));
    QVERIFY(writeFile(folder + QStringLiteral("/dir/sub/b.txt"), sampleBytes(100)));
    const QString archive = folder + QStringLiteral("/t.zip");
    const QString a = QStringLiteral("a.txt");
    if (build == QLatin1String("store"))
        QVERIFY(zip(folder, {QStringLiteral("-0"), archive, a}));
    else if (build == QLatin1String("folders"))
        QVERIFY(zip(folder, {QStringLiteral("-r"), archive, QStringLiteral("dir")}));
    else if (build == QLatin1String("comment"))
        QVERIFY(zip(folder, {QStringLiteral("-z"), archive, a}, "Kommentar mit PK\x05\x06 darin\n.\n"));
    else if (build == QLatin1String("zip64"))
        QVERIFY(zip(folder, {QStringLiteral("-fz"), archive, a}));
    else if (build == QLatin1String("password"))
        QVERIFY(zip(folder, {QStringLiteral("-P"), QStringLiteral("geheim"), archive, a}));
    else
        QVERIFY(zip(folder, {archive, a}));
    QString read = archive;
    if (build.startsWith(QLatin1String("stub"))) {
        read = folder + QStringLiteral("/setup.exe");
        QFile source(archive);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QVERIFY(writeFile(read, QByteArray(5000, 'M') + source.readAll()));
        if (build == QLatin1String("stubAdjusted"))
            QVERIFY(zip(folder, {QStringLiteral("-A"), read}));
    }

    const QList<ZipDirEntry> entries = ReadZipDirectory(read);
    QStringList got;
    for (const ZipDirEntry &entry : entries)
        got.append(entry.fileName);
    QCOMPARE(got, names);
    QCOMPARE(entries.first().uncompressedSize, firstSize);
    QCOMPARE(entries.first().compressedSize < entries.first().uncompressedSize, packedSmaller);
    QCOMPARE(entries.first().encrypted, build == QLatin1String("password"));
    QVERIFY(!DosDateTimeText(entries.first().dosDateTime).isEmpty());
}

void ZipDirectoryTest::decodesNames_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<bool>("utf8Flag");
    QTest::addColumn<QString>("expected");

    QTest::newRow("DOS name") << QByteArray("\x81"
                                            "ber.txt")
                              << false << QStringLiteral("über.txt");
    QTest::newRow("DOS box characters") << QByteArray("\xC9\xCD\xBB") << false << QStringLiteral("╔═╗");
    QTest::newRow("UTF-8 flagged") << QByteArray("gr\xC3\xBCn.txt") << true << QStringLiteral("grün.txt");
    QTest::newRow("UTF-8 without the flag") << QByteArray("gr\xC3\xBCn.txt") << false << QStringLiteral("grün.txt");
}

void ZipDirectoryTest::decodesNames()
{
    QFETCH(QByteArray, raw);
    QFETCH(bool, utf8Flag);
    QFETCH(QString, expected);
    TestZipWriter writer;
    if (utf8Flag)
        writer.addUtf8(raw, "x");
    else
        writer.add(raw, "x");
    const QString archive = m_dir.filePath(QStringLiteral("names.zip"));
    QVERIFY(writer.write(archive));
    QCOMPARE(ReadZipDirectory(archive).first().fileName, expected);
}

void ZipDirectoryTest::reportsBrokenDirectories_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");

    TestZipWriter writer;
    writer.add("eins.txt", "1111");
    writer.add("zwei.txt", "2222");
    const QByteArray good = writer.bytes();
    const qsizetype central = good.indexOf("PK\x01\x02");
    const qsizetype end = good.indexOf("PK\x05\x06");

    QByteArray cut = good;
    cut.remove(central + 10, 20);
    QByteArray signature = good;
    signature[central + 2] = 9;
    QByteArray nameRunsOver = good;
    nameRunsOver[good.lastIndexOf("PK\x01\x02") + 28] = '\x7F';
    QByteArray badOffset = good;
    badOffset[central + 42] = 3;
    QByteArray stubTooLong = QByteArray(ZipStubSearchLimit + 10, 'M') + good;
    QByteArray zip64Gone = good;
    for (int i = 16; i < 20; ++i)
        zip64Gone[end + i] = '\xFF';

    QTest::newRow("empty file") << QByteArray() << "Error reading Zip File";
    QTest::newRow("no end record") << good.left(end) << "Error 1c reading Zip File";
    QTest::newRow("stub beyond the search range") << stubTooLong << "Error 1b reading Zip File";
    QTest::newRow("ZIP64 marker without its records") << zip64Gone << "Error 1d reading Zip File";
    QTest::newRow("directory truncated") << cut << "Error 2 reading Zip file";
    QTest::newRow("wrong entry signature") << signature << "Error 3 reading Zip file";
    QTest::newRow("name runs past the directory") << nameRunsOver << "Error 4 reading Zip file";
    QTest::newRow("no local header at the offset") << badOffset << "Error 5 reading Zip file";
    QTest::newRow("plain text") << QByteArray(300, 't') << "Error 1c reading Zip File";
}

void ZipDirectoryTest::reportsBrokenDirectories()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    const QString archive = m_dir.filePath(QStringLiteral("broken.zip"));
    QVERIFY(writeFile(archive, bytes));
    try {
        ReadZipDirectory(archive);
        QFAIL("read without error");
    } catch (const ZipDirectoryError &caught) {
        QCOMPARE(caught.text(), error);
    }
}

void ZipDirectoryTest::sniffsContent()
{
    TestZipWriter writer;
    writer.add("a", "b");
    const QString plain = m_dir.filePath(QStringLiteral("archive.rar"));
    const QString stub = m_dir.filePath(QStringLiteral("setup.bin"));
    const QString rar = m_dir.filePath(QStringLiteral("archive.zip"));
    QVERIFY(writeFile(plain, writer.bytes()));
    QVERIFY(writeFile(stub, QByteArray(1000, 'M') + writer.bytes()));
    QVERIFY(writeFile(rar, QByteArray("Rar!\x1a\x07\x00", 7) + writer.bytes()));
    QVERIFY(LooksLikeZip(plain));
    QVERIFY(LooksLikeZip(stub));
    QVERIFY(!LooksLikeZip(rar));
}

BREKKO_TEST_MAIN(ZipDirectoryTest)
#include "ZipDirectoryTest.moc"
