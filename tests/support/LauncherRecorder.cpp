#include "LauncherRecorder.h"

LauncherRecorder::LauncherRecorder()
    : m_previous(Launcher::setHandler(this))
{
}

LauncherRecorder::~LauncherRecorder()
{
    Launcher::setHandler(m_previous);
}

int LauncherRecorder::open(const Launcher::Request &request)
{
    m_requests.append(request);
    return m_result;
}
