#pragma once

#include "common/MsgBox.h"

#include <QList>
#include <QQueue>

// Installs itself as the message box handler while it lives. Logs every box
// and answers from a queue; a box nobody expected, an answer that is not
// among the buttons shown, or answers still queued when the recorder goes,
// fail the running test.
class MsgBoxRecorder : public MsgBox::Handler {
public:
    MsgBoxRecorder();
    ~MsgBoxRecorder() override;

    // Queues the answer (a MsgBox::Result) for the next box.
    void answer(int result);
    // With on, boxes with only an OK button (and Hilfe) are answered OK
    // without queuing; off by default.
    void setAnswerOkBoxes(bool on) { m_answerOk = on; }

    int show(const MsgBox::Request &request) override;

    const QList<MsgBox::Request> &boxes() const { return m_boxes; }
    int count() const { return static_cast<int>(m_boxes.size()); }
    const MsgBox::Request &last() const { return m_boxes.last(); }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }
    // True when the test failed inside show() (QFAIL cannot return there).
    bool failed() const { return m_failed; }

private:
    MsgBox::Handler *m_previous = nullptr;
    QList<MsgBox::Request> m_boxes;
    QQueue<int> m_answers;
    bool m_answerOk = false;
    bool m_failed = false;
};
