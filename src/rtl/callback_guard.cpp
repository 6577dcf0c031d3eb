#include "rtl/callback_guard.h"

std::exception_ptr PendingError;

void RaisePendingError() {
    if (PendingError) std::rethrow_exception(std::exchange(PendingError, nullptr));
}
