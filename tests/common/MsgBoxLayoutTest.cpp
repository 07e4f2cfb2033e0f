#include "common/MsgBoxLayout.h"
#include "TestRegistry.h"

#include <QTest>

class MsgBoxLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void geometry_data();
    void geometry();
};

void MsgBoxLayoutTest::geometry_data()
{
    QTest::addColumn<int>("screenWidth");
    QTest::addColumn<int>("messageWidth");
    QTest::addColumn<int>("messageHeight");
    QTest::addColumn<int>("wrappedHeight");
    QTest::addColumn<int>("captionWidth");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("buttonMinWidth");
    QTest::addColumn<bool>("wrapped");
    QTest::addColumn<int>("textWidth");
    QTest::addColumn<QSize>("dialogSize");
    QTest::addColumn<int>("firstLeft");
    QTest::addColumn<int>("slot");

    // slot = width / n - 8, row centred, buttons slot - 6 wide.
    QTest::newRow("message wider than caption")
        << 1024 << 200 << 16 << 16 << 100 << 1 << 0 << false << 200 << QSize(280, 162) << 4 << 272;
    QTest::newRow("caption wider than message")
        << 1024 << 100 << 16 << 16 << 150 << 2 << 0 << false << 210 << QSize(290, 162) << 8 << 137;
    QTest::newRow("caption as wide as message")
        << 1024 << 150 << 16 << 16 << 150 << 1 << 0 << false << 210 << QSize(290, 162) << 4 << 282;
    QTest::newRow("caption a little narrower than message")
        << 1024 << 200 << 16 << 16 << 190 << 1 << 0 << false << 200 << QSize(330, 162) << 4 << 322;
    QTest::newRow("wrapped message, caption wider than wrap")
        << 640 << 900 << 16 << 64 << 420 << 1 << 0 << true << 440 << QSize(560, 194) << 4 << 552;
    QTest::newRow("long line wraps at 440 on 640")
        << 640 << 900 << 16 << 64 << 100 << 1 << 0 << true << 440 << QSize(520, 194) << 4 << 512;
    QTest::newRow("exactly screen less 200 wraps")
        << 640 << 440 << 16 << 32 << 100 << 1 << 0 << true << 440 << QSize(520, 162) << 4 << 512;
    QTest::newRow("one pixel narrower stays")
        << 640 << 439 << 16 << 32 << 100 << 1 << 0 << false << 439 << QSize(519, 162) << 4 << 511;
    QTest::newRow("several lines grow the box")
        << 1024 << 200 << 80 << 80 << 100 << 1 << 0 << false << 200 << QSize(280, 210) << 4 << 272;
    QTest::newRow("five buttons widen to 496")
        << 1024 << 100 << 16 << 16 << 50 << 5 << 0 << false << 100 << QSize(496, 162) << 20 << 91;
    QTest::newRow("wide captions widen the row")
        << 1024 << 100 << 16 << 16 << 50 << 5 << 110 << false << 100 << QSize(636, 162) << 20 << 119;
    QTest::newRow("eight buttons") << 1024 << 100 << 16 << 16 << 50 << 8 << 0 << false << 100 << QSize(784, 162) << 32
                                   << 90;
    QTest::newRow("no button") << 1024 << 100 << 16 << 16 << 50 << 0 << 0 << false << 100 << QSize(190, 162) << 0 << 0;
}

void MsgBoxLayoutTest::geometry()
{
    QFETCH(int, screenWidth);
    QFETCH(int, messageWidth);
    QFETCH(int, messageHeight);
    QFETCH(int, wrappedHeight);
    QFETCH(int, captionWidth);
    QFETCH(int, buttons);
    QFETCH(int, buttonMinWidth);

    MsgBoxMetrics metrics;
    metrics.screenWidth = screenWidth;
    metrics.messageWidth = messageWidth;
    metrics.messageHeight = messageHeight;
    metrics.wrappedHeight = wrappedHeight;
    metrics.captionWidth = captionWidth;
    metrics.buttonCount = buttons;
    metrics.buttonMinWidth = buttonMinWidth;
    const MsgBoxGeometry geometry = MsgBoxLayout::compute(metrics);

    QTEST(geometry.wrapped, "wrapped");
    QTEST(geometry.textWidth, "textWidth");
    QTEST(geometry.dialogSize, "dialogSize");
    QCOMPARE(geometry.buttonLefts.size(), buttons);
    if (buttons == 0)
        return;
    QFETCH(int, firstLeft);
    QFETCH(int, slot);
    for (int i = 0; i < buttons; ++i)
        QCOMPARE(geometry.buttonLefts.at(i), firstLeft + i * slot);
    QCOMPARE(geometry.buttonWidth, slot - 6);
    QCOMPARE(geometry.buttonTop, geometry.dialogSize.height() - 58);
}

BREKKO_TEST_MAIN(MsgBoxLayoutTest)
#include "MsgBoxLayoutTest.moc"
