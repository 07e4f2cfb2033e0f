#include "common/Help.h"

#include <QObject>
#include <QVariant>

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

namespace {
constexpr char kHelpContextProperty[] = "helpContext";
} // namespace

void SetHelpContext(QObject *window, int context)
{
    window->setProperty(kHelpContextProperty, context);
}

int HelpContextOf(const QObject *window)
{
    const QVariant context = window->property(kHelpContextProperty);
    return context.isValid() ? context.toInt() : -1;
}
