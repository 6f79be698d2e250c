// A hidden message-only window: an object on the thread that created it to
// which other threads send numbered messages and wait until they are handled.
// The repair worker reaches the user-interface thread through it.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

class TMessageWindow : public QObject {
    Q_OBJECT
public:
    // Handles one message on the window's thread and gives its result.
    using TWindowProc = std::function<intptr_t(uint32_t Msg, uintptr_t WParam, intptr_t LParam)>;

    explicit TMessageWindow(TWindowProc WindowProc, QObject* parent = nullptr);

    // Runs the window procedure on the window's thread and returns its result
    // once it is done. On that thread itself the call is direct; from any other
    // thread the caller blocks while the window's thread handles it in its
    // message processing (which nested waits and boxes keep doing).
    intptr_t SendMessage(uint32_t Msg, uintptr_t WParam, intptr_t LParam);

private:
    intptr_t Dispatch(uint32_t Msg, uintptr_t WParam, intptr_t LParam);

    TWindowProc FWindowProc;
};

// Creates the window on the calling thread with WindowProc as its procedure.
TMessageWindow* AllocateHWnd(TMessageWindow::TWindowProc WindowProc);
// Destroys a window made by AllocateHWnd; null is ignored.
void DeallocateHWnd(TMessageWindow* Wnd);
