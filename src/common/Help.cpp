#include "common/Help.h"

#include <utility>

namespace Help {

namespace {
Handler g_handler;
} // namespace

Handler setHandler(Handler handler)
{
    return std::exchange(g_handler, std::move(handler));
}

} // namespace Help

void ShowHelp(int context)
{
    if (Help::g_handler)
        Help::g_handler(context);
}
