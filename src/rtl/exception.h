// Base error class of the program and the I/O error class of its file routines.
// Portable: used by the codec and the tools as well as by the Windows program.
#pragma once

#include <stdexcept>
#include <string>

// An error with a message and the code address where it was raised; the top-level
// report shows the class name, the address and the message.
class Exception : public std::exception {
public:
    explicit Exception(std::string message);
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }
    virtual const char* ClassName() const noexcept { return "Exception"; }
    // Address of the code that constructed the error (a stable address of the failing operation).
    const void* Address() const noexcept { return address_; }

protected:
    // For derived classes: their own (non-inlined) constructors pass their return address.
    Exception(std::string message, const void* address);

private:
    std::string message_;
    const void* address_;
};

// A failed file operation. Code is the operating system's error code, or 100 for a
// short block read and 101 for a short block write.
class EInOutError : public Exception {
public:
    explicit EInOutError(int code);
    EInOutError(int code, std::string message);
    int ErrorCode() const noexcept { return code_; }
    const char* ClassName() const noexcept override { return "EInOutError"; }

    static std::string MessageFor(int code);

private:
    int code_;
};

// Error codes that the file routines raise themselves.
constexpr int IoReadBeyondEnd = 100;
constexpr int IoDiskFull = 101;
