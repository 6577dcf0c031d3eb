#include "rtl/error_report.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <new>

#include "rtl/bin_file.h"
#include "rtl/exception.h"

namespace {

struct ErrorFacts {
    std::string className;
    const void* address = nullptr;
    std::string message;
};

ErrorFacts FactsOf(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Exception& e) {
        return {e.ClassName(), e.Address(), e.Message()};
    } catch (const std::bad_alloc&) {
        return {"EOutOfMemory", nullptr, "Out of memory"};
    } catch (const std::exception& e) {
        return {"Exception", nullptr, e.what()};
    } catch (...) {
        return {"Exception", nullptr, "Unknown error"};
    }
}

}  // namespace

std::string FormatErrorReport(const std::string& className, const std::string& moduleName,
                              const void* address, const std::string& message) {
    // The address is shown with 8 hex digits; on 64-bit builds that is its low half.
    char addressText[16];
    std::snprintf(addressText, sizeof addressText, "%08X",
                  static_cast<unsigned>(reinterpret_cast<uintptr_t>(address) & 0xFFFFFFFFu));
    std::string text = "Exception " + className + " in module " + moduleName.substr(0, 63) + " at " +
                       addressText + ".\n" + message;
    if (!message.empty() && message.back() != '.') text += '.';
    return text;
}

void ReportErrorAndExit(std::exception_ptr error) {
    ErrorFacts facts = FactsOf(error);
    if (!facts.address) facts.address = reinterpret_cast<const void*>(&ReportErrorAndExit);
    std::string text = FormatErrorReport(facts.className, ExtractFileName(ModuleFileName()), facts.address,
                                         facts.message);
    ::MessageBoxA(nullptr, text.c_str(), "Application Error", MB_OK | MB_ICONSTOP | MB_TASKMODAL);
    ::ExitProcess(1);
}

int RunWithErrorReport(int (*body)()) {
    try {
        return body();
    } catch (...) {
        ReportErrorAndExit(std::current_exception());
    }
}
