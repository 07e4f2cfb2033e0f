#pragma once

#include <QElapsedTimer>
#include <QString>

#include <functional>

// What a long operation (loading, scanning, copying, extracting, laying out
// pages) reports while it runs, and how it learns that the user cancelled.
// Every member may be left empty.
struct OperationObserver {
    std::function<void(const QString &text)> status;
    std::function<void(int percent)> progress;
    // False once the user asked to stop.
    std::function<bool()> keepGoing;
    // Lets pending window events run; see EventPump.
    std::function<void()> runPendingEvents;

    void setStatus(const QString &text) const
    {
        if (status)
            status(text);
    }
    void setProgress(int percent) const
    {
        if (progress)
            progress(percent);
    }
    bool shouldContinue() const { return !keepGoing || keepGoing(); }
};

// Runs pending events at most every interval, however often it is asked:
// a loop over 20,000 items calls poll() after each item, events run about
// fifty times a second.
class EventPump {
public:
    using Runner = std::function<void()>;
    static constexpr int DefaultIntervalMs = 20;

    explicit EventPump(Runner runner = {}, int intervalMs = DefaultIntervalMs);

    // Runs the pending events when the interval has passed since the last run.
    void poll();
    // Runs them now.
    void runNow();

private:
    Runner m_runner;
    int m_intervalMs;
    QElapsedTimer m_sinceLastRun;
};

// Lets the application's pending events run (user input included, so a
// Cancel button works); the default for EventPump and the observers the
// windows make. Tests install a counting or empty runner.
void RunPendingEvents();
// The same without user input, for work that offers no Cancel and must not
// be interrupted by another command (loading, saving, start-up).
void RunPendingEventsExceptUserInput();
EventPump::Runner SetPendingEventsRunner(EventPump::Runner runner);
