#include "filemanager/FileMask.h"
#include "TestRegistry.h"

#include <QTest>

class FileMaskTest : public QObject {
    Q_OBJECT

private slots:
    void parsing_data();
    void parsing();
    void matching_data();
    void matching();
    void groupPattern_data();
    void groupPattern();
};

void FileMaskTest::parsing_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QStringList>("patterns");
    QTest::newRow("empty") << QString() << QStringList{"*"};
    QTest::newRow("only separators") << " ; , " << QStringList{"*"};
    QTest::newRow("bare word widened") << "txt" << QStringList{"*TXT*"};
    QTest::newRow("wildcard without dot gets star") << "a?c" << QStringList{"A?C*"};
    QTest::newRow("trailing star kept") << "ab*" << QStringList{"AB*"};
    QTest::newRow("dotted left alone") << "readme.txt" << QStringList{"README.TXT"};
    QTest::newRow("comma, trim, sort") << " *.h , *.c;txt" << QStringList{"*.C", "*.H", "*TXT*"};
    QTest::newRow("duplicates in any case") << "*.c;*.C" << QStringList{"*.C"};
    QTest::newRow("empty part is no pattern") << "*.txt;" << QStringList{"*.TXT"};
}

void FileMaskTest::parsing()
{
    QFETCH(QString, mask);
    QFETCH(QStringList, patterns);
    QCOMPARE(ParseMaskList(mask), patterns);
}

void FileMaskTest::matching_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("word anywhere") << "txt"
                                   << "Notes.TXT.bak" << true;
    QTest::newRow("word inside") << "txt"
                                 << "mytxtfile" << true;
    QTest::newRow("word absent") << "txt"
                                 << "text" << false;
    QTest::newRow("a?c at start") << "a?c"
                                  << "abcdef" << true;
    QTest::newRow("a?c needs the a first") << "a?c"
                                           << "xabc" << false;
    QTest::newRow("? needs a character") << "a?c"
                                         << "ac" << false;
    QTest::newRow("*.* needs a dot") << "*.*"
                                     << "Makefile" << false;
    QTest::newRow("*.* with dot") << "*.*"
                                  << ".bashrc" << true;
    QTest::newRow("* takes all") << "*"
                                 << "Makefile" << true;
    QTest::newRow("empty mask takes all") << ""
                                          << "Makefile" << true;
    QTest::newRow("extension any case") << "*.txt"
                                        << "A.TXT" << true;
    QTest::newRow("extension must end the name") << "*.txt"
                                                 << "a.txt.bak" << false;
    QTest::newRow("first occurrence only") << "*.txt"
                                           << "a.txt.txt" << false;
    QTest::newRow("no backtracking") << "*a.b"
                                     << "xa.ba.b" << false;
    QTest::newRow("widened star pattern") << "*a*a"
                                          << "banana" << true;
    QTest::newRow("runs after stars, end consumed") << "*n*a"
                                                    << "bna" << true;
    QTest::newRow("run between") << "a*b.c"
                                 << "axxb.c" << true;
    QTest::newRow("? at the end") << "*.t?t"
                                  << "a.tx" << false;
    QTest::newRow("exact name") << "readme.txt"
                                << "README.txt" << true;
    QTest::newRow("exact name only") << "readme.txt"
                                     << "old-readme.txt" << false;
    QTest::newRow("second of a list") << "*.c,*.h"
                                      << "x.h" << true;
    QTest::newRow("umlauts ignore case") << "*ÄRGER*"
                                         << "das ärgernis" << true;
}

void FileMaskTest::matching()
{
    QFETCH(QString, mask);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(MatchesMask(name, mask), matches);
}

void FileMaskTest::groupPattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("matches");
    QTest::newRow("*.* takes a name without dot") << "*.*"
                                                  << "Makefile" << true;
    QTest::newRow("prefix without extension") << "b*.*"
                                              << "bin" << true;
    QTest::newRow("exact stem") << "readme.*"
                                << "README" << true;
    QTest::newRow("exact stem is not widened") << "readme.*"
                                               << "readme2" << false;
    QTest::newRow("extension pattern unchanged") << "*.txt"
                                                 << "txt" << false;
}

void FileMaskTest::groupPattern()
{
    QFETCH(QString, pattern);
    QFETCH(QString, name);
    QFETCH(bool, matches);
    QCOMPARE(MatchesAnyPattern(name, ParseGroupPattern(pattern)), matches);
}

BREKKO_TEST_MAIN(FileMaskTest)
#include "FileMaskTest.moc"
