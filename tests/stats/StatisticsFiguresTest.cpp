#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "project/ProjectTree.h"
#include "stats/StatisticsFigures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QTimeZone>

class StatisticsFiguresTest : public QObject {
    Q_OBJECT

private slots:
    void commentFigures_data();
    void commentFigures();
    void averages_data();
    void averages();
    void timesHaveNoLeadingZeros();
    void allEntriesFigures();
    void projectFileCountsAndHugeSize();
};

void StatisticsFiguresTest::commentFigures_data()
{
    QTest::addColumn<QStringList>("comment");
    QTest::addColumn<int>("shortest");
    QTest::addColumn<int>("longest");
    QTest::addColumn<qint64>("characters");
    QTest::newRow("none") << QStringList() << 0 << 0 << qint64(0);
    QTest::newRow("one line has no shortest or longest") << QStringList{"abc"} << 0 << 0 << qint64(3);
    QTest::newRow("equal lengths go to line 1") << QStringList{"ab", "cd"} << 1 << 1 << qint64(4);
    QTest::newRow("later ties do not replace")
        << QStringList{"abc", "a", "abcde", "b", "vwxyz"} << 2 << 3 << qint64(15);
    QTest::newRow("empty line is shortest") << QStringList{"x", "", "yy"} << 2 << 3 << qint64(3);
}

void StatisticsFiguresTest::commentFigures()
{
    QFETCH(QStringList, comment);
    QFETCH(int, shortest);
    QFETCH(int, longest);
    QFETCH(qint64, characters);
    const CommentFigures figures = CommentStatistics(comment);
    QCOMPARE(figures.shortestLine, shortest);
    QCOMPARE(figures.longestLine, longest);
    QCOMPARE(figures.characters, characters);
    QCOMPARE(figures.lines, qint64(comment.size()));
}

void StatisticsFiguresTest::averages_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("half") << 12.5 << "12,5"
                          << "12.5";
    QTest::newRow("whole") << 3.0 << "3"
                           << "3";
    QTest::newRow("rounded to two places") << 2.0 / 3.0 << "0,67"
                                           << "0.67";
    QTest::newRow("no thousands separator") << 1234.25 << "1234,25"
                                            << "1234.25";
    QTest::newRow("zero") << 0.0 << "0"
                          << "0";
}

void StatisticsFiguresTest::averages()
{
    QFETCH(double, value);
    QFETCH(QString, german);
    QFETCH(QString, english);
    QCOMPARE(AverageText(value, QLocale(QLocale::German)), german);
    QCOMPARE(AverageText(value, QLocale(QLocale::English)), english);
}

void StatisticsFiguresTest::timesHaveNoLeadingZeros()
{
    QCOMPARE(StatisticsTimeText(QDateTime(QDate(1999, 3, 5), QTime(8, 7, 9), Qt::UTC)),
             QStringLiteral("5.3.1999 8:7:9"));
    QCOMPARE(StatisticsTimeText(QDateTime(QDate(2024, 12, 31), QTime(23, 0, 0), Qt::UTC)),
             QStringLiteral("31.12.2024 23:0:0"));
}

void StatisticsFiguresTest::allEntriesFigures()
{
    ProjectTree tree;
    ProjectEntry *a = tree.append(nullptr, std::make_unique<ProjectEntry>(QStringLiteral("abcd")));
    a->record.comment = {QStringLiteral("12345"), QStringLiteral("12")};
    a->record.command = QStringLiteral("c:\\x.exe");
    tree.append(a, std::make_unique<ProjectEntry>(QStringLiteral("e")));
    const QStringList lines = AllEntriesLines(tree, QLocale(QLocale::German));
    QCOMPARE(lines, (QStringList{"Bezeichnung:", "  Zeichenanzahl: 5", "  Durchschnittliche Zeichenanzahl: 2,5", "",
                                 "Kommentar:", "  Zeilenanzahl: 2", "  Durchschnittliche Zeilenanzahl: 1",
                                 "  Zeichenanzahl: 7", "  Durchschnittliche Zeichenanzahl: 3,5", "",
                                 "Befehl:", "  Zeichenanzahl: 8", "  Durchschnittliche Zeichenanzahl: 4"}));
}

void StatisticsFiguresTest::projectFileCountsAndHugeSize()
{
    TestEnvironment env;
    const QString file =
        env.writeFile(QStringLiteral("P.prj"), "<Talvoren V4 Projektdatei>\r\n item new \r\nx\r\nITEM NEW\r\n");
    ProjectFileFigures figures = ProjectFileStatistics(file);
    QVERIFY(figures.found);
    QCOMPARE(figures.fileName, file);
    QCOMPARE(figures.lineCount, qint64(4));
    QCOMPARE(figures.declaredEntries, qint64(2));
    QVERIFY(!ProjectFileStatistics(env.path(QStringLiteral("missing.prj"))).found);

    const QString big = env.path(QStringLiteral("big.prj"));
    QFile sparse(big);
    QVERIFY(sparse.open(QIODevice::WriteOnly));
    const qint64 size = qint64(3) * 1024 * 1024 * 1024;
    if (!sparse.resize(size))
        QSKIP("the file system cannot hold a sparse file of 3 GB");
    sparse.close();
    QCOMPARE(ProjectFileStatistics(big, false).size, size);
}

BREKKO_TEST_MAIN(StatisticsFiguresTest)
#include "StatisticsFiguresTest.moc"
