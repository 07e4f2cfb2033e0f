#include "common/ModalSeam.h"

#include <QDialog>

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

int RunModal(QDialog *dialog)
{
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
