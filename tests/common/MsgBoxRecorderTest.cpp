#include "MsgBoxRecorder.h"
#include "TestRegistry.h"

#include <QTest>

namespace {

int showBox(int buttons)
{
    return ShowMsgBox(QStringLiteral("Fehler: Test..."), QStringLiteral("Text"), MsgBox::Error, MsgBox::ErrorBeep,
                      buttons, 0);
}

} // namespace

// The recorder must fail the test on every box or answer that the test did
// not plan for. Each expected failure is followed by a check that passes, so
// that a recorder that does not fail shows as an unexpected pass.
class MsgBoxRecorderTest : public QObject {
    Q_OBJECT

private slots:
    void okBoxesAreAnsweredOnlyWhenAsked()
    {
        MsgBoxRecorder boxes;
        QEXPECT_FAIL("", "an OK box without a queued answer", Continue);
        showBox(MsgBox::Ok | MsgBox::Help);
        QCOMPARE(boxes.count(), 1);

        MsgBoxRecorder answering;
        answering.setAnswerOkBoxes(true);
        QCOMPARE(showBox(MsgBox::Ok | MsgBox::Help), int(MsgBox::ResultOk));
        QEXPECT_FAIL("", "a question is never answered by itself", Continue);
        showBox(MsgBox::Yes | MsgBox::No);
        QCOMPARE(answering.count(), 2);
    }

    void answerMustBeAButtonShown()
    {
        MsgBoxRecorder boxes;
        boxes.answer(MsgBox::ResultYes);
        QEXPECT_FAIL("", "Ja on a box with OK only", Continue);
        showBox(MsgBox::Ok);
        QCOMPARE(boxes.count(), 1);
    }

    void unusedAnswersFail()
    {
        auto boxes = std::make_unique<MsgBoxRecorder>();
        boxes->answer(MsgBox::ResultYes);
        boxes->answer(MsgBox::ResultNo);
        QCOMPARE(showBox(MsgBox::Yes | MsgBox::No), int(MsgBox::ResultYes));
        QEXPECT_FAIL("", "Nein was queued but never asked for", Continue);
        boxes.reset();
        QVERIFY(!boxes);
    }
};

BREKKO_TEST_MAIN(MsgBoxRecorderTest)
#include "MsgBoxRecorderTest.moc"
