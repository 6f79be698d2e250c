#include "platform/ModalShow.h"

#include <QDialog>

namespace {

TModalHandler& Handler()
{
    static TModalHandler handler;
    return handler;
}

} // namespace

int ShowModal(QDialog* dialog)
{
    if (!dialog)
        return 0;
    if (const TModalHandler& handler = Handler())
        return handler(dialog);
    return dialog->exec();
}

TModalHandler SetModalHandler(TModalHandler handler)
{
    TModalHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
