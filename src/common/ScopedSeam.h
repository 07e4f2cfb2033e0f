#pragma once

#include <utility>

// Installs a seam's handler for its own lifetime and puts the previous one
// back afterwards. Install sets a handler and returns the one it replaced.
template <typename Handler, Handler (*Install)(Handler)>
class ScopedSeam {
public:
    explicit ScopedSeam(Handler handler)
        : m_previous(Install(std::move(handler)))
    {
    }
    ~ScopedSeam() { Install(std::move(m_previous)); }
    ScopedSeam(const ScopedSeam &) = delete;
    ScopedSeam &operator=(const ScopedSeam &) = delete;

private:
    Handler m_previous;
};
