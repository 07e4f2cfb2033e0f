#include "common/OperationObserver.h"

#include <QCoreApplication>

namespace {

EventPump::Runner &pendingEventsRunner()
{
    static EventPump::Runner runner;
    return runner;
}

} // namespace

EventPump::EventPump(Runner runner, int intervalMs)
    : m_runner(std::move(runner))
    , m_intervalMs(intervalMs)
{
    m_sinceLastRun.start();
}

void EventPump::poll()
{
    if (m_sinceLastRun.elapsed() >= m_intervalMs)
        runNow();
}

void EventPump::runNow()
{
    if (m_runner)
        m_runner();
    else
        RunPendingEvents();
    m_sinceLastRun.restart();
}

void RunPendingEvents()
{
    if (const EventPump::Runner &runner = pendingEventsRunner())
        runner();
    else
        QCoreApplication::processEvents();
}

void RunPendingEventsExceptUserInput()
{
    if (const EventPump::Runner &runner = pendingEventsRunner())
        runner();
    else
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

EventPump::Runner SetPendingEventsRunner(EventPump::Runner runner)
{
    EventPump::Runner previous = std::move(pendingEventsRunner());
    pendingEventsRunner() = std::move(runner);
    return previous;
}
