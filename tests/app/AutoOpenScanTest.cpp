#include "app/AutoOpenScan.h"
#include "MsgBoxRecorder.h"
#include "TestEnvironment.h"
#include "TestRegistry.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray projectText(const QByteArray &name, int entries)
{
    QByteArray text = "; Kommentar\r\n<Talvoren V4 Projektdatei>\r\nProjekt=" + name + "\r\n";
    for (int i = 0; i < entries; ++i)
        text += " item new \r\n  Titel=x\r\nItem Done\r\n";
    return text;
}

QStringList names(const QList<ProjectFileRow> &rows)
{
    QStringList list;
    for (const ProjectFileRow &row : rows)
        list.append(row.fileName);
    return list;
}

} // namespace

class AutoOpenScanTest : public QObject {
    Q_OBJECT

private slots:
    void rootsOnly()
    {
        TestEnvironment env;
        env.writeFile(QStringLiteral("c/Zweites.prj"), projectText("Zwei", 2));
        env.writeFile(QStringLiteral("c/Erstes.PRJ"), projectText("Eins", 3));
        env.writeFile(QStringLiteral("c/ohne.prj"), "Projekt=Kein Kopf\r\nItem New\r\n");
        env.writeFile(QStringLiteral("c/anders.txt"), projectText("Text", 1));
        QCOMPARE(::mkfifo(QFile::encodeName(env.path(QStringLiteral("c/Rohr.prj"))).constData(), 0600), 0);
        env.writeFile(QStringLiteral("c/tief/unten.prj"), projectText("Tief", 1));
        const QList<ProjectFileRow> rows = FindProjectFiles(env.path(QStringLiteral("c")));
        QCOMPARE(names(rows), (QStringList{QStringLiteral("Erstes.PRJ"), QStringLiteral("Zweites.prj")}));
        const ProjectFileRow &first = rows.first();
        QCOMPARE(first.drive, env.path(QStringLiteral("c")));
        QCOMPARE(first.path, env.path(QStringLiteral("c/Erstes.PRJ")));
        QCOMPARE(first.projectName, QStringLiteral("Eins"));
        QCOMPARE(first.entryCount, 3);
        QVERIFY(first.date.isValid());
        QCOMPARE(first.attributes, QString());
    }

    void readOnlyHiddenFileAttributes()
    {
        TestEnvironment env;
        const QString file = env.writeFile(QStringLiteral("c/.versteckt.prj"), projectText("V", 0));
        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const QList<ProjectFileRow> rows = FindProjectFiles(env.path(QStringLiteral("c")));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().attributes, QStringLiteral("Schreibgeschützt Versteckt "));
        QCOMPARE(rows.first().entryCount, 0);
    }

    void scanGoesOverEveryRootSilently()
    {
        TestEnvironment env;
        env.writeFile(QStringLiteral("a/eins.prj"), projectText("A", 1));
        env.makeFolder(QStringLiteral("leer"));
        env.writeFile(QStringLiteral("gesperrt/zwei.prj"), projectText("G", 1));
        QFile::setPermissions(env.path(QStringLiteral("gesperrt")), QFileDevice::Permissions());
        env.writeFile(QStringLiteral("b/drei.prj"), projectText("B", 1));
        const QStringList roots{env.path(QStringLiteral("a")), env.path(QStringLiteral("leer")),
                                env.path(QStringLiteral("gesperrt")), env.path(QStringLiteral("fehlt")),
                                env.path(QStringLiteral("b"))};
        MsgBoxRecorder recorder;
        QStringList drives;
        QStringList found;
        OperationObserver observer;
        observer.status = [&drives](const QString &root) { drives.append(root); };
        const int count = ScanDriveRoots(
            roots, [&found](const ProjectFileRow &row) { found.append(row.fileName); }, observer);
        QFile::setPermissions(env.path(QStringLiteral("gesperrt")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(drives, roots);
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(count, found.size());
        QCOMPARE(found.first(), QStringLiteral("eins.prj"));
        QCOMPARE(found.last(), QStringLiteral("drei.prj"));
    }

    void cancelStopsTheScan()
    {
        TestEnvironment env;
        env.writeFile(QStringLiteral("a/eins.prj"), projectText("A", 1));
        env.writeFile(QStringLiteral("a/zwei.prj"), projectText("A", 1));
        env.writeFile(QStringLiteral("b/drei.prj"), projectText("B", 1));
        QStringList drives;
        bool cancelled = false;
        OperationObserver observer;
        observer.status = [&drives](const QString &root) { drives.append(root); };
        observer.keepGoing = [&cancelled] { return !cancelled; };
        QCOMPARE(ScanDriveRoots(
                     {env.path(QStringLiteral("a")), env.path(QStringLiteral("b"))},
                     [&cancelled](const ProjectFileRow &) { cancelled = true; }, observer),
                 1);
        QCOMPARE(drives.size(), 1);
    }
};

BREKKO_TEST_MAIN(AutoOpenScanTest)
#include "AutoOpenScanTest.moc"
