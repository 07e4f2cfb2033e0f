#include "platform/ProcessMemory.h"
#include "TestRegistry.h"

#include <QByteArray>
#include <QTest>

class ProcessMemoryTest : public QObject {
    Q_OBJECT

private slots:
    void residentBytesFollowTouchedMemory();
};

// The resident size is in bytes and counts memory once it is written.
void ProcessMemoryTest::residentBytesFollowTouchedMemory()
{
    constexpr qsizetype kSize = 64 << 20;
    const qint64 before = ProcessMemory::ResidentBytes();
    QVERIFY(before > 0);
    const QByteArray block(kSize, 'x');
    QCOMPARE(block.size(), kSize);
    const qint64 after = ProcessMemory::ResidentBytes();
    QVERIFY2(after - before >= kSize * 9 / 10, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
    QVERIFY(after - before < kSize * 2);
}

BREKKO_TEST_MAIN(ProcessMemoryTest)
#include "ProcessMemoryTest.moc"
