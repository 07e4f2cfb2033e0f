#include "common/ModalSeam.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>

#include <utility>

namespace ModalSeam {

namespace {
Handler g_handler;
} // namespace

Handler setHandler(Handler handler)
{
    return std::exchange(g_handler, std::move(handler));
}

} // namespace ModalSeam

namespace {

// The window a dialog was opened from and the widget that had its focus.
// When the dialog is gone that window is activated and the widget focused
// again: with two windows closing at once (a dialog and its question) the
// desktop may otherwise leave the keyboard with no window at all.
class FocusReturn {
public:
    explicit FocusReturn(const QDialog *dialog)
        : m_window(QApplication::activeWindow())
        , m_focus(QApplication::focusWidget())
    {
        if (!m_window && dialog->parentWidget())
            m_window = dialog->parentWidget()->window();
        if (m_window == dialog)
            m_window = nullptr;
    }
    FocusReturn(const FocusReturn &) = delete;
    FocusReturn &operator=(const FocusReturn &) = delete;

    ~FocusReturn()
    {
        if (!m_window || !m_window->isVisible())
            return;
        m_window->activateWindow();
        if (m_focus && m_focus->window() == m_window && m_focus->isVisible() && m_focus->isEnabled())
            m_focus->setFocus(Qt::ActiveWindowFocusReason);
    }

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};

} // namespace

int RunModal(QDialog *dialog)
{
    const FocusReturn focusReturn(dialog);
    if (!ModalSeam::g_handler)
        return dialog->exec();
    const ModalSeam::Handler handler = ModalSeam::g_handler;
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    const int result = handler(dialog);
    if (dialog->isVisible())
        dialog->hide();
    return result;
}
