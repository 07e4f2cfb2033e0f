#include "MsgBoxRecorder.h"

#include <QTest>

namespace {
bool buttonShown(int buttons, int result)
{
    for (int flag : {MsgBox::Yes, MsgBox::No, MsgBox::Ok, MsgBox::Cancel, MsgBox::Retry, MsgBox::Ignore, MsgBox::All}) {
        if ((buttons & flag) && MsgBox::resultOfButton(flag) == result)
            return true;
    }
    return false;
}
} // namespace

MsgBoxRecorder::MsgBoxRecorder()
    : m_previous(MsgBox::setHandler(this))
{
}

MsgBoxRecorder::~MsgBoxRecorder()
{
    MsgBox::setHandler(m_previous);
    if (!m_answers.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("%1 queued answer(s) not used").arg(m_answers.size())), __FILE__,
                     __LINE__);
}

void MsgBoxRecorder::answer(int result)
{
    m_answers.enqueue(result);
}

int MsgBoxRecorder::show(const MsgBox::Request &request)
{
    m_boxes.append(request);
    if (m_answers.isEmpty()) {
        if (m_answerOk && (request.buttons & ~MsgBox::Help) == MsgBox::Ok)
            return MsgBox::ResultOk;
        m_failed = true;
        QTest::qFail(qPrintable(QStringLiteral("unexpected message box: %1 / %2").arg(request.caption, request.text)),
                     __FILE__, __LINE__);
        return MsgBox::ResultCancel;
    }
    const int result = m_answers.dequeue();
    if (!buttonShown(request.buttons, result)) {
        m_failed = true;
        QTest::qFail(qPrintable(QStringLiteral("answer %1 is not a button of: %2").arg(result).arg(request.caption)),
                     __FILE__, __LINE__);
    }
    return result;
}
