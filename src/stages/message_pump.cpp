#include "stages/message_pump.h"

#include <windows.h>

#include "rtl/callback_guard.h"

namespace {

constexpr DWORD ThrottleMs = 10;
DWORD LastPump = 0;

}  // namespace

void PumpMessages() {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
        RaisePendingError();
    }
    LastPump = ::GetTickCount();
}

void PumpMessagesThrottled(bool force) {
    // Unsigned difference: right across the tick count's wrap-around.
    if (force || ::GetTickCount() - LastPump >= ThrottleMs) PumpMessages();
}
