#include "stages/message_pump.h"

#include <windows.h>

#include "rtl/callback_guard.h"

namespace {

constexpr DWORD ThrottleMs = 10;
// The decoder asks once per byte; the clock is looked at only every so many requests
// (256 bytes take a few tens of microseconds to decode).
constexpr int RequestsPerClockLook = 256;
DWORD LastPump = 0;
int RequestsUntilClockLook = 0;

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
    if (!force && --RequestsUntilClockLook > 0) return;
    RequestsUntilClockLook = RequestsPerClockLook;
    // Unsigned difference: right across the tick count's wrap-around.
    if (force || ::GetTickCount() - LastPump >= ThrottleMs) PumpMessages();
}
