#include <utility>

#include "lzh/lzh_unpack.h"

// Not inlined, so the recorded address is inside the operation that raised the error.
__attribute__((noinline)) ElzhException::ElzhException(std::string message)
    : Exception(std::move(message), __builtin_return_address(0)) {}
