#include "FileTreeFixture.h"
#include "TestEnvironment.h"

#include "FileBytes.h"
#include "TestRegistry.h"
#include "platform/Launcher.h"
#include "platform/NativeNames.h"

#include <QFile>
#include <QScopeGuard>
#include <QTest>

namespace {

const QFileDevice::Permissions kReadable = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
const QFileDevice::Permissions kExecutable = kReadable | QFileDevice::ExeOwner;

} // namespace

// What the system launcher would do; nothing is started here.
class LauncherTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void plans_data();
    void plans();
    void bareNameIsLookedUpOnPath();
    void documentWithoutOpenerHasNoAssociation();
    void openerExitCodes_data();
    void openerExitCodes();
    void startsWithNamesAsBytes_data();
    void startsWithNamesAsBytes();
    void programThatCannotRun();

private:
    TestEnvironment *m_env = nullptr;
    QByteArray m_path;
};

void LauncherTest::init()
{
    m_env = new TestEnvironment;
    m_path = qgetenv("PATH");
    const QString bin = m_env->makeFolder(QStringLiteral("bin"));
    QFile::setPermissions(m_env->writeFile(QStringLiteral("bin/xdg-open"), "#!/bin/sh\n"), kExecutable);
    QFile::setPermissions(m_env->writeFile(QStringLiteral("bin/viewer"), "#!/bin/sh\n"), kExecutable);
    qputenv("PATH", QFile::encodeName(bin));
}

void LauncherTest::cleanup()
{
    qputenv("PATH", m_path);
    delete m_env;
}

void LauncherTest::plans_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("executable");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("failure");
    QTest::addColumn<QString>("program");

    QTest::newRow("script with execute bit starts itself")
        << QByteArray("#!/bin/sh\n") << true << "apps" << 0 << "@/apps/tool";
    QTest::newRow("binary with execute bit starts itself") << QByteArray("\x7f"
                                                                         "ELF\2\1\1")
                                                           << true << "apps" << 0 << "@/apps/tool";
    QTest::newRow("script without execute bit is refused")
        << QByteArray("#!/bin/sh\n") << false << "apps" << int(Launcher::AccessDenied) << "";
    QTest::newRow("document opens with the desktop")
        << QByteArray("hello\n") << false << "apps" << 0 << "@/bin/xdg-open";
    QTest::newRow("text with execute bit is a document")
        << QByteArray("hello\n") << true << "apps" << 0 << "@/bin/xdg-open";
    QTest::newRow("missing folder") << QByteArray("#!/bin/sh\n") << true << "nowhere" << int(Launcher::FolderNotFound)
                                    << "";
}

void LauncherTest::plans()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, executable);
    QFETCH(QString, folder);
    QFETCH(int, failure);
    QFETCH(QString, program);
    const QString file = m_env->writeFile(QStringLiteral("apps/tool"), content);
    QFile::setPermissions(file, executable ? kExecutable : kReadable);

    const Launcher::Plan plan =
        Launcher::plan({QStringLiteral("tool"), QStringLiteral(" -a \"b c\""), m_env->path(folder) + QLatin1Char('/')});
    QCOMPARE(plan.failure, failure);
    QCOMPARE(plan.program, program.replace(QLatin1Char('@'), m_env->root()));
    if (failure != 0)
        return;
    QCOMPARE(plan.workingFolder, m_env->path(QStringLiteral("apps/")));
    if (plan.program.endsWith(QLatin1String("xdg-open")))
        QCOMPARE(plan.arguments, QStringList{file});
    else
        QCOMPARE(plan.arguments, (QStringList{QStringLiteral("-a"), QStringLiteral("b c")}));
}

void LauncherTest::bareNameIsLookedUpOnPath()
{
    const Launcher::Plan found = Launcher::plan({QStringLiteral("viewer"), QString(), QString()});
    QCOMPARE(found.failure, 0);
    QCOMPARE(found.program, m_env->path(QStringLiteral("bin/viewer")));
    QCOMPARE(found.workingFolder, m_env->path(QStringLiteral("bin")));

    QCOMPARE(Launcher::plan({QStringLiteral("no-such-program"), QString(), QString()}).failure,
             int(Launcher::FileNotFound));
    QCOMPARE(Launcher::plan({QString(), QString(), QString()}).failure, int(Launcher::FileNotFound));
}

void LauncherTest::documentWithoutOpenerHasNoAssociation()
{
    QFile::remove(m_env->path(QStringLiteral("bin/xdg-open")));
    m_env->writeFile(QStringLiteral("notes.txt"), "hello\n");
    QCOMPARE(Launcher::plan({QStringLiteral("notes.txt"), QString(), m_env->root()}).failure,
             int(Launcher::NoAssociation));
}

void LauncherTest::openerExitCodes_data()
{
    QTest::addColumn<QByteArray>("opener");
    QTest::addColumn<int>("result");
    QTest::newRow("handed on") << QByteArray("exit 0") << int(Launcher::Started);
    QTest::newRow("no program for the file") << QByteArray("exit 3") << int(Launcher::NoAssociation);
    QTest::newRow("failed, file still there") << QByteArray("exit 4") << int(Launcher::NoAssociation);
    QTest::newRow("failed, file gone") << QByteArray("/bin/rm -f \"$1\"; exit 4") << int(Launcher::FileNotFound);
    QTest::newRow("file missing") << QByteArray("exit 2") << int(Launcher::FileNotFound);
    QTest::newRow("file not readable") << QByteArray("exit 5") << int(Launcher::AccessDenied);
    QTest::newRow("syntax error") << QByteArray("exit 1") << int(Launcher::OtherFailure);
}

// The desktop's opener runs for real: its exit code is the result.
void LauncherTest::openerExitCodes()
{
    QFETCH(QByteArray, opener);
    QFETCH(int, result);
    QFile::setPermissions(m_env->writeFile(QStringLiteral("bin/xdg-open"), "#!/bin/sh\n" + opener + "\n"), kExecutable);
    m_env->writeFile(QStringLiteral("notes.txt"), "hello\n");
    Launcher::SystemHandler system;
    QCOMPARE(system.open({QStringLiteral("notes.txt"), QString(), m_env->root()}), result);
}

void LauncherTest::startsWithNamesAsBytes_data()
{
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("program") << QByteArray("apps\xe4") << QByteArray("tool\xff") << QByteArray("#!/bin/sh\n");
    QTest::newRow("document") << QByteArray("docs\xe4") << QByteArray("notes\xe4.txt") << QByteArray("text\n");
}

// Program and opener run for real and write down the folder they run in and
// their first argument, which must arrive as the bytes on disk.
void LauncherTest::startsWithNamesAsBytes()
{
    QFETCH(QByteArray, folder);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, content);
    const auto cleanUp = qScopeGuard([this] { FileTree::removeRawTree(QFile::encodeName(m_env->root())); });
    const QByteArray root = QFile::encodeName(m_env->root());
    const QByteArray done = root + "/done";
    const QByteArray report = "pwd -P > \"" + done + ".part\"; printf '%s' \"$1\" >> \"" + done + ".part\"; /bin/mv \""
                              + done + ".part\" \"" + done + "\"\n";
    QFile::setPermissions(m_env->writeFile(QStringLiteral("bin/xdg-open"), "#!/bin/sh\n" + report), kExecutable);
    ::mkdir((root + '/' + folder).constData(), 0755);
    const QByteArray path = root + '/' + folder + '/' + file;
    QVERIFY(FileTree::writeRaw(path, content + report));
    ::chmod(path.constData(), 0755);
    const QString argument = NativeNames::decode("Gr\xfc\xdf!");

    Launcher::SystemHandler system;
    QCOMPARE(
        system.open({NativeNames::decode(file), QLatin1Char(' ') + argument, NativeNames::decode(root + '/' + folder)}),
        int(Launcher::Started));
    QTRY_VERIFY(QFile::exists(QFile::decodeName(done)));
    const QByteArray expected = root + '/' + folder + '\n' + (content.startsWith("#!") ? "Gr\xfc\xdf!" : path);
    QCOMPARE(FileBytes(QFile::decodeName(done)), expected);
}

// The kernel refuses the interpreter only once the program is started.
void LauncherTest::programThatCannotRun()
{
    const QString file = m_env->writeFile(QStringLiteral("apps/tool"), "#!/no/such/shell\n");
    QFile::setPermissions(file, kExecutable);
    Launcher::SystemHandler system;
    QCOMPARE(system.open({QStringLiteral("tool"), QString(), m_env->path(QStringLiteral("apps"))}),
             int(Launcher::BadExecutable));
}

BREKKO_TEST_MAIN(LauncherTest)
#include "LauncherTest.moc"
