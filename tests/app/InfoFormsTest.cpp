#include "FindChild.h"
#include "TestEnvironment.h"

#include "TestRegistry.h"
#include "app/TSystemInfoForm.h"
#include "platform/SystemInfo.h"

#include <QLabel>
#include <QTest>
#include <QTreeWidget>

class InfoFormsTest : public QObject {
    Q_OBJECT

private slots:
    void systemInfoShowsFoldersAndDrives();
    void memoryFigures();
};

void InfoFormsTest::systemInfoShowsFoldersAndDrives()
{
    TestEnvironment env;
    const TSystemInfoForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Systeminformationen"));
    QCOMPARE(labelText(&form, "ProgrammordnerLabel"), env.programDirectory());
    QCOMPARE(labelText(&form, "BenutzerordnerLabel"), env.path(QStringLiteral("home")));
    QVERIFY(!labelText(&form, "ProzessorLabel").isEmpty());
    const auto *drives = form.findChild<QTreeWidget *>(QStringLiteral("LaufwerkListe"));
    QVERIFY(drives->topLevelItemCount() >= 1);
    QCOMPARE(drives->topLevelItem(0)->text(0), QStringLiteral("/"));
}

void InfoFormsTest::memoryFigures()
{
    const SystemInfo::Memory memory = SystemInfo::parseMemInfo(
        QStringLiteral("MemTotal:       16314612 kB\nMemFree:  100 kB\nMemAvailable:    8000000 kB\n"
                       "SwapTotal:             0 kB\n"));
    QCOMPARE(memory.total, Q_INT64_C(16314612) * 1024);
    QCOMPARE(memory.available, Q_INT64_C(8000000) * 1024);
    QCOMPARE(memory.swapTotal, Q_INT64_C(0));
    QCOMPARE(memory.swapFree, Q_INT64_C(-1));
}

BREKKO_TEST_MAIN(InfoFormsTest)
#include "InfoFormsTest.moc"
