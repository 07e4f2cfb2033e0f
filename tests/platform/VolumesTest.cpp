#include "platform/Volumes.h"
#include "TestRegistry.h"

#include <QDir>
#include <QTest>

class VolumesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { Volumes::setRootsForTesting({}); }
    void volumeOf_data();
    void volumeOf();
    void driveListHoldsHome();
};

void VolumesTest::volumeOf_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("volume");
    QTest::newRow("longest leading part") << "/media/usb/stick/x.prj"
                                          << "/media/usb/stick";
    QTest::newRow("outer volume") << "/media/usb/other/x.prj"
                                  << "/media/usb";
    QTest::newRow("name that only starts like a root") << "/media/usbX/x"
                                                       << "/";
    QTest::newRow("the root itself") << "/media/usb"
                                     << "/media/usb";
    QTest::newRow("dots are resolved first") << "/media/usb/stick/../x"
                                             << "/media/usb";
    QTest::newRow("letter case counts") << "/MEDIA/usb/x"
                                        << "/";
}

void VolumesTest::volumeOf()
{
    QFETCH(QString, path);
    QFETCH(QString, volume);
    Volumes::setRootsForTesting({QStringLiteral("/media/usb/"), QStringLiteral("/media/usb/stick")});
    QCOMPARE(Volumes::volumeOf(path), volume);
    QVERIFY(Volumes::sameVolume(volume + QLatin1Char('/'), volume));
}

void VolumesTest::driveListHoldsHome()
{
    const QStringList drives = Volumes::driveList();
    QVERIFY(drives.contains(QStringLiteral("/")));
    QVERIFY(drives.contains(QDir::cleanPath(QDir::homePath())));
    QCOMPARE(Volumes::joinOnVolume(QStringLiteral("/"), QStringLiteral("/a/b")), QStringLiteral("/a/b"));
    QCOMPARE(Volumes::joinOnVolume(QStringLiteral("/m"), QStringLiteral("a")), QStringLiteral("/m/a"));
}

BREKKO_TEST_MAIN(VolumesTest)
#include "VolumesTest.moc"
