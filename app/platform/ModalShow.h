// Modal windows (the success window, the search window, the update dialogs)
// are shown through this seam, so that tests can drive them instead of a user.
#pragma once

#include <functional>

class QDialog;

// Shows dialog and returns its result when it has been closed.
using TModalHandler = std::function<int(QDialog* dialog)>;

// Shows dialog modally through the installed handler (by default the dialog's
// own event loop) and returns its result.
int ShowModal(QDialog* dialog);

// Installs handler (an empty one restores the default); returns the previous one.
TModalHandler SetModalHandler(TModalHandler handler);
