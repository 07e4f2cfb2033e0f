#pragma once

#include "platform/Launcher.h"

#include <QList>

// Installs itself as the launcher while it lives: records every request and
// answers with a set result instead of starting anything.
class LauncherRecorder : public Launcher::Handler {
public:
    LauncherRecorder();
    ~LauncherRecorder() override;

    void setResult(int result) { m_result = result; }
    int open(const Launcher::Request &request) override;

    const QList<Launcher::Request> &requests() const { return m_requests; }
    int count() const { return static_cast<int>(m_requests.size()); }
    const Launcher::Request &last() const { return m_requests.last(); }

private:
    Launcher::Handler *m_previous = nullptr;
    QList<Launcher::Request> m_requests;
    int m_result = Launcher::Started;
};
