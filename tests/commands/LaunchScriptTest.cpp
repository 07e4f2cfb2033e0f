#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "commands/CommandActions.h"
#include "common/AppContext.h"

#include <QFile>
#include <QTest>

// A catalogue on a drive of its own starts a real script with a
// drive-independent command line.
class LaunchScriptTest : public QObject {
    Q_OBJECT

private slots:
    void startsScriptFromTheProjectDrive();
};

void LaunchScriptTest::startsScriptFromTheProjectDrive()
{
    TestEnvironment env;
    const QString drive = env.addVolume(QStringLiteral("stick"));
    const QString script = env.writeFile(QStringLiteral("stick/tools/mark.sh"),
                                         "#!/bin/sh\npwd > \"$1/started.tmp\"\necho \"$2\" >> \"$1/started.tmp\"\n"
                                         "mv \"$1/started.tmp\" \"$1/started.txt\"\n");
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
    env.makeFolder(QStringLiteral("stick/out"));
    AppContext::setProjectFileName(drive + QStringLiteral("/catalogue.prj"));
    MsgBoxRecorder boxes;

    QVERIFY(CommandActions::execute(QStringLiteral("\\tools\\mark.sh \\out \"two words\"")));
    QCOMPARE(boxes.count(), 0);
    const QString result = drive + QStringLiteral("/out/started.txt");
    QTRY_VERIFY(QFile::exists(result));
    QFile file(result);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), (drive + QStringLiteral("/tools\ntwo words\n")).toUtf8());
}

BREKKO_TEST_MAIN(LaunchScriptTest)
#include "LaunchScriptTest.moc"
