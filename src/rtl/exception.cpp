#include "rtl/exception.h"

#include <cstdio>
#include <utility>

// Not inlined, so the return address is inside the function that raised the error.
__attribute__((noinline)) Exception::Exception(std::string message)
    : message_(std::move(message)), address_(__builtin_return_address(0)) {}

Exception::Exception(std::string message, const void* address)
    : message_(std::move(message)), address_(address) {}

__attribute__((noinline)) EInOutError::EInOutError(int code)
    : Exception(MessageFor(code), __builtin_return_address(0)), code_(code) {}

__attribute__((noinline)) EInOutError::EInOutError(int code, std::string message)
    : Exception(std::move(message), __builtin_return_address(0)), code_(code) {}

std::string EInOutError::MessageFor(int code) {
    switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 4: return "Too many open files";
    case 5: return "File access denied";
    case 100: return "Read beyond end of file";
    case 101: return "Disk full";
    case 106: return "Invalid numeric input";
    default: {
        char text[32];
        std::snprintf(text, sizeof text, "I/O error %d", code);
        return text;
    }
    }
}
