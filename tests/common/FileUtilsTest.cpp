#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/FileUtils.h"
#include "platform/TextFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

class FileUtilsTest : public QObject {
    Q_OBJECT

private slots:
    void percent_data();
    void percent();
    void formatThousands_data();
    void formatThousands();
    void lineScans();
    void linesAcrossReadBlocks();
    void unreadableFilesCountAsMinusOne();
    void validFileNames();
    void sizeAndDate();
    void deleteFolderTreeNeverFollowsLinks();
    void driveReady();
    void decoding_data();
    void decoding();
    void encodingPicksTheNarrowestLosslessForm();
};

void FileUtilsTest::percent_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<qint64>("part");
    QTest::addColumn<int>("expected");
    QTest::newRow("3 of 8") << qint64(8) << qint64(3) << 38;
    QTest::newRow("1 of 8 rounds half to even") << qint64(8) << qint64(1) << 12;
    QTest::newRow("5 of 8 rounds half to even") << qint64(8) << qint64(5) << 62;
    QTest::newRow("1 of 3") << qint64(3) << qint64(1) << 33;
    QTest::newRow("2 of 3") << qint64(3) << qint64(2) << 67;
    QTest::newRow("nothing of nothing") << qint64(0) << qint64(5) << 0;
    QTest::newRow("all") << qint64(7) << qint64(7) << 100;
    QTest::newRow("large sizes") << qint64(8'000'000'000) << qint64(4'000'000'000) << 50;
}

void FileUtilsTest::percent()
{
    QFETCH(qint64, total);
    QFETCH(qint64, part);
    QFETCH(int, expected);
    QCOMPARE(Percent(total, part), expected);
}

void FileUtilsTest::formatThousands_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0") << qint64(0) << "0";
    QTest::newRow("999") << qint64(999) << "999";
    QTest::newRow("1000") << qint64(1000) << "1.000";
    QTest::newRow("1234567") << qint64(1234567) << "1.234.567";
    QTest::newRow("beyond 32 bits") << qint64(5'000'000'000) << "5.000.000.000";
}

void FileUtilsTest::formatThousands()
{
    QFETCH(qint64, value);
    QFETCH(QString, expected);
    QCOMPARE(FormatThousands(value), expected);
}

void FileUtilsTest::lineScans()
{
    TestEnvironment env;
    const QString file = env.writeFile(QStringLiteral("a.prj"),
                                       "x\r\n  <TALVOREN v4 projektdatei> \t\r\n item new\r\nITEM NEWS\n"
                                       "Projekt=\r\nprojekt=Erster Name\r\nProjekt=Zweiter\r\n\r\n\r\nItem New");
    QVERIFY(FileContainsLine(file, QStringLiteral(" <Talvoren V4 Projektdatei> ")));
    QVERIFY(!FileContainsLine(file, QStringLiteral("<Talvoren V4 Makrodatei>")));
    QCOMPARE(CountLines(file), 10);
    QCOMPARE(CountEntryLines(file), 2);
    QCOMPARE(ReadProjectName(file), QStringLiteral("Erster Name"));
}

void FileUtilsTest::linesAcrossReadBlocks()
{
    TestEnvironment env;
    constexpr int kBlock = 1 << 20;
    // A CR LF pair cut by the block boundary, then a line longer than a block.
    QByteArray bytes = QByteArray(kBlock - 1, 'a') + "\r\nitem new\r\n" + QByteArray(3 * kBlock, 'b') + "\nItem New";
    const QString file = env.writeFile(QStringLiteral("big.prj"), bytes);
    QCOMPARE(CountLines(file), 4);
    QCOMPARE(CountEntryLines(file), 2);
    QStringList sizes;
    TextFile::forEachLine(file, [&sizes](QStringView line) {
        sizes << QString::number(line.size());
        return true;
    });
    QCOMPARE(sizes, (QStringList{QString::number(kBlock - 1), "8", QString::number(3 * kBlock), "8"}));
}

void FileUtilsTest::unreadableFilesCountAsMinusOne()
{
    TestEnvironment env;
    const QString missing = env.path(QStringLiteral("none.prj"));
    QCOMPARE(CountLines(missing), -1);
    QCOMPARE(CountEntryLines(missing), -1);
    QCOMPARE(CountLines(env.root()), -1);
    QVERIFY(!FileContainsLine(missing, QStringLiteral("x")));
    QCOMPARE(ReadProjectName(missing), QString());
}

void FileUtilsTest::validFileNames()
{
    MsgBoxRecorder boxes;
    QVERIFY(IsValidFileName(QStringLiteral("Brief an Ann (2).txt"), true));
    for (const QChar bad : QStringLiteral("\\/:*?\"<>|"))
        QVERIFY(!IsValidFileName(QStringLiteral("a") + bad + QStringLiteral("b"), false));
    QCOMPARE(boxes.count(), 0);
    boxes.answer(MsgBox::ResultOk);
    QVERIFY(!IsValidFileName(QStringLiteral("c:x"), true));
    QCOMPARE(boxes.count(), 1);
    QCOMPARE(boxes.last().caption, QStringLiteral("Fehler: Ungültiger Dateiname..."));
    QCOMPARE(boxes.last().text,
             QStringLiteral("Ein Dateiname darf keines der folgenden Zeichen enthalten: \\/:*?\"<>|"));
    QCOMPARE(boxes.last().helpContext, 80330);
    QCOMPARE(boxes.last().sound, int(MsgBox::ErrorBeep));
}

void FileUtilsTest::sizeAndDate()
{
    TestEnvironment env;
    const QString file = env.writeFile(QStringLiteral("f.bin"), QByteArray(1234, 'x'));
    QCOMPARE(FileSizeOf(file), qint64(1234));
    QCOMPARE(FileSizeOf(env.path(QStringLiteral("none"))), qint64(-1));
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC), QFileDevice::FileModificationTime));
    f.close();
    const QString text = FileDateText(file);
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{1,2}\\.\\d{1,2}\\.\\d{4} \\d{1,2}:\\d{1,2}:\\d{1,2}$"))
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
    QCOMPARE(FileDateText(env.path(QStringLiteral("none"))), QString());
}

void FileUtilsTest::deleteFolderTreeNeverFollowsLinks()
{
    TestEnvironment env;
    const QString keep = env.writeFile(QStringLiteral("keep/precious.txt"), "x");
    env.writeFile(QStringLiteral("gone/a/b/c.txt"), "x");
    env.writeFile(QStringLiteral("gone/.hidden/d.txt"), "x");
    env.writeFile(QStringLiteral("gone/.dotfile"), "x");
    QVERIFY(QFile::link(env.path(QStringLiteral("keep")), env.path(QStringLiteral("gone/a/link-to-keep"))));
    QVERIFY(QFile::link(keep, env.path(QStringLiteral("gone/file-link"))));

    QVERIFY(DeleteFolderTree(env.path(QStringLiteral("gone"))));
    QVERIFY(!QFileInfo::exists(env.path(QStringLiteral("gone"))));
    QVERIFY(QFileInfo::exists(keep));
    QVERIFY(DeleteFolderTree(env.path(QStringLiteral("never-was"))));
}

void FileUtilsTest::driveReady()
{
    TestEnvironment env;
    QVERIFY(DriveReady(QStringLiteral("/")));
    QVERIFY(DriveReady(env.addVolume(QStringLiteral("stick"))));
    QVERIFY(!DriveReady(QString()));
    QVERIFY(!DriveReady(env.path(QStringLiteral("not-mounted"))));
    QVERIFY(!DriveReady(QStringLiteral("C")));
}

void FileUtilsTest::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("utf-8") << QByteArray("Gr\xC3\xB6\xC3\x9F"
                                         "e")
                           << QStringLiteral("Größe");
    QTest::newRow("utf-8 with bom") << QByteArray("\xEF\xBB\xBF\xE2\x82\xAC") << QStringLiteral("€");
    QTest::newRow("windows-1252") << QByteArray("Gr\xF6\xDF"
                                                "e \x80 \x93x\x94")
                                  << QStringLiteral("Größe € “x”");
    QTest::newRow("unassigned 1252 bytes survive") << QByteArray("a\x81\x8D") << QStringLiteral("a\u0081\u008D");
    QTest::newRow("ascii") << QByteArray("plain") << QStringLiteral("plain");
}

void FileUtilsTest::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(TextFile::decode(bytes), text);
}

void FileUtilsTest::encodingPicksTheNarrowestLosslessForm()
{
    QCOMPARE(TextFile::encode(QStringLiteral("Größe € “x”")), QByteArray("Gr\xF6\xDF"
                                                                         "e \x80 \x93x\x94"));
    const QString greek = QStringLiteral("Größe Ω");
    const QByteArray utf8 = TextFile::encode(greek);
    QVERIFY(utf8.startsWith("\xEF\xBB\xBF"));
    QCOMPARE(TextFile::decode(utf8), greek);
    QCOMPARE(TextFile::splitLines(QStringLiteral("a\r\nb\nc\rd\r\n\r\ne")), (QStringList{"a", "b", "c", "d", "", "e"}));
}

BREKKO_TEST_MAIN(FileUtilsTest)
#include "FileUtilsTest.moc"
