#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "common/AppContext.h"
#include "common/CommandLinePaths.h"

#include <QDir>
#include <QTest>

// Layout of every case: the program lies in <tmp>/program on the temporary
// folder's drive; <tmp>/stick is a drive of its own holding the catalogue.
class CommandLinePathsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void expand_data();
    void expand();
    void programDirectoryFallbacks_data();
    void programDirectoryFallbacks();
    void expandAnyway_data();
    void expandAnyway();
    void shorten_data();
    void shorten();
    void shortenThenExpandFindsTheSameFile();
    void firstExistingPathWord();

private:
    QString expandOn(const QString &drive, QString line, int &code) const;

    std::unique_ptr<TestEnvironment> m_env;
    QString m_stick;
};

void CommandLinePathsTest::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_stick = m_env->addVolume(QStringLiteral("stick"));
    m_env->writeFile(QStringLiteral("stick/Tools/Packer.sh"), "#!/bin/sh\n");
    m_env->writeFile(QStringLiteral("stick/Docs/Read Me.txt"), "x");
    m_env->makeFolder(QStringLiteral("stick/Docs/Old"));
    m_env->writeFile(QStringLiteral("program/packer.exe"), "x");
    m_env->writeFile(QStringLiteral("program/Sub/Tool.sh"), "x");
    AppContext::setProjectFileName(m_stick + QStringLiteral("/cat.prj"));
}

void CommandLinePathsTest::cleanup()
{
    m_env.reset();
}

QString CommandLinePathsTest::expandOn(const QString &drive, QString line, int &code) const
{
    code = ExpandCommandLine(drive, line);
    return line;
}

void CommandLinePathsTest::expand_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("result");

    QTest::newRow("empty") << "" << -1 << "";
    QTest::newRow("drive-independent file") << "\\Tools\\Packer.sh" << 1 << "$S/Tools/Packer.sh";
    QTest::newRow("drive-independent folder") << "\\Docs\\Old" << 2 << "$S/Docs/Old";
    QTest::newRow("the drive root") << "\\" << 2 << "$S";
    QTest::newRow("whole line with a blank names a file") << "\\Docs\\Read Me.txt" << 1 << "$S/Docs/Read Me.txt";
    QTest::newRow("absolute path stands for itself") << "$S/Tools/Packer.sh" << 1 << "$S/Tools/Packer.sh";
    QTest::newRow("absolute path that is missing") << "$S/Tools/None.sh" << -2 << "$S/Tools/None.sh";
    QTest::newRow("drive letter of another system") << "C:\\tools\\x.exe" << -2 << "C:\\tools\\x.exe";
    QTest::newRow("one missing word keeps its backslash") << "\\Nope" << -2 << "\\Nope";
    QTest::newRow("letter case counts") << "\\tools\\packer.sh" << -2 << "\\tools\\packer.sh";
    QTest::newRow("program and parameter")
        << "\\Tools\\Packer.sh   -x  \\Docs\\Old " << 0 << "$S/Tools/Packer.sh -x $S/Docs/Old";
    QTest::newRow("plain words are kept") << "packer -v /etc" << 0 << "packer -v /etc";
    QTest::newRow("missing backslash word") << "/q \\missing\\x.txt" << -3 << "/q \\missing\\x.txt";
    QTest::newRow("climbing stays inside the drive") << "\\Docs\\Old\\..\\Read Me.txt" << 1 << "$S/Docs/Read Me.txt";
    QTest::newRow("climbing off the drive finds nothing")
        << "\\..\\..\\..\\..\\..\\..\\..\\..\\etc\\hostname" << -2 << "\\..\\..\\..\\..\\..\\..\\..\\..\\etc\\hostname";
    QTest::newRow("a word climbing off the drive") << "cat \\Docs\\..\\..\\..\\..\\..\\..\\..\\..\\..\\etc" << -3
                                                   << "cat \\Docs\\..\\..\\..\\..\\..\\..\\..\\..\\..\\etc";
    QTest::newRow("only the project's drive is searched") << "\\Sub\\Tool.sh -a" << -3 << "\\Sub\\Tool.sh -a";
}

void CommandLinePathsTest::expand()
{
    QFETCH(QString, line);
    QFETCH(int, code);
    QFETCH(QString, result);
    line.replace(QStringLiteral("$S"), m_stick);
    result.replace(QStringLiteral("$S"), m_stick);
    int actual = 0;
    QCOMPARE(expandOn(AppContext::projectDrive(), line, actual), result);
    QCOMPARE(actual, code);
}

void CommandLinePathsTest::programDirectoryFallbacks_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("result");

    QTest::newRow("bare name next to the program") << "\\packer.exe" << 1 << "$P/packer.exe";
    QTest::newRow("relative to the program") << "Sub\\Tool.sh" << 1 << "$P/Sub/Tool.sh";
    QTest::newRow("file name part next to the program") << "\\Far\\Away\\packer.exe" << 1 << "$P/packer.exe";
    QTest::newRow("folder below the program") << "\\Sub" << 2 << "$P/Sub";
    QTest::newRow("stick is not searched") << "\\Tools\\Packer.sh" << -2 << "\\Tools\\Packer.sh";
}

void CommandLinePathsTest::programDirectoryFallbacks()
{
    QFETCH(QString, line);
    QFETCH(int, code);
    QFETCH(QString, result);
    AppContext::setProjectFileName({});
    result.replace(QStringLiteral("$P"), QDir::cleanPath(m_env->programDirectory()));
    int actual = 0;
    QCOMPARE(expandOn(AppContext::projectDrive(), line, actual), result);
    QCOMPARE(actual, code);
}

void CommandLinePathsTest::expandAnyway_data()
{
    QTest::addColumn<bool>("onStick");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("result");
    QTest::newRow("climbing off the drive is not placed") << true << "\\..\\..\\x.sh"
                                                          << "\\..\\..\\x.sh";
    QTest::newRow("program folder holds the folder") << false << "\\Sub\\Gone.sh"
                                                     << "$P/Sub/Gone.sh";
}

void CommandLinePathsTest::expandAnyway()
{
    QFETCH(bool, onStick);
    QFETCH(QString, line);
    QFETCH(QString, result);
    if (!onStick)
        AppContext::setProjectFileName({});
    result.replace(QStringLiteral("$P"), QDir::cleanPath(m_env->programDirectory()));
    QCOMPARE(ExpandCommandLineAnyway(AppContext::projectDrive(), line), result);
}

void CommandLinePathsTest::shorten_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("result");

    QTest::newRow("too short") << "  ab " << -1 << "ab";
    QTest::newRow("file on the project's drive") << "$S/Tools/Packer.sh" << 2 << "\\Tools\\Packer.sh";
    QTest::newRow("folder on the project's drive") << " $S/Docs/Old " << 3 << "\\Docs\\Old";
    QTest::newRow("already short") << "\\Tools\\Packer.sh" << 2 << "\\Tools\\Packer.sh";
    QTest::newRow("file on another drive") << "$P/packer.exe" << 1 << "$P/packer.exe";
    QTest::newRow("words") << "$S/Tools/Packer.sh  -o   $S/Docs/Old $P/packer.exe /none" << 0
                           << "\\Tools\\Packer.sh -o \\Docs\\Old $P/packer.exe /none";
    QTest::newRow("relative words are kept as typed")
        << "$S/Tools/Packer.sh -o . Docs" << 0 << "\\Tools\\Packer.sh -o . Docs";
    QTest::newRow("a relative line is kept") << "Docs" << 0 << "Docs";
}

void CommandLinePathsTest::shorten()
{
    QFETCH(QString, line);
    QFETCH(int, code);
    QFETCH(QString, result);
    const QString program = QDir::cleanPath(m_env->programDirectory());
    for (QString *text : {&line, &result}) {
        text->replace(QStringLiteral("$S"), m_stick);
        text->replace(QStringLiteral("$P"), program);
    }
    // Relative words must not be taken from the current folder.
    const QString previous = QDir::currentPath();
    QDir::setCurrent(m_stick);
    const int actual = ShortenCommandLine(m_stick, line);
    QDir::setCurrent(previous);
    QCOMPARE(actual, code);
    QCOMPARE(line, result);
}

void CommandLinePathsTest::shortenThenExpandFindsTheSameFile()
{
    QString line = m_stick + QStringLiteral("/Docs/Read Me.txt");
    QCOMPARE(ShortenCommandLine(m_stick, line), 2);
    QCOMPARE(line, QStringLiteral("\\Docs\\Read Me.txt"));

    // The stick mounted elsewhere: the same text finds the file there.
    const QString moved = m_env->addVolume(QStringLiteral("elsewhere"));
    QVERIFY(QDir().rename(m_stick + QStringLiteral("/Docs"), moved + QStringLiteral("/Docs")));
    int code = 0;
    QCOMPARE(expandOn(moved, line, code), moved + QStringLiteral("/Docs/Read Me.txt"));
    QCOMPARE(code, 1);
}

void CommandLinePathsTest::firstExistingPathWord()
{
    const QString docs = m_stick + QStringLiteral("/Docs/Old");
    QCOMPARE(FirstExistingPathWord(QStringLiteral("-a nowhere ") + docs + QStringLiteral(" /")), docs);
    QCOMPARE(FirstExistingPathWord(QStringLiteral("-a nowhere")), QString());
}

BREKKO_TEST_MAIN(CommandLinePathsTest)
#include "CommandLinePathsTest.moc"
