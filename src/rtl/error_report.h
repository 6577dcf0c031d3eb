// The program's top-level error report: every error that nothing else handles ends the
// program through one "Application Error" message box and exit code 1.
#pragma once

#include <exception>
#include <string>

// The report's text: "Exception <class> in module <module> at <address>.\n<message><dot>".
std::string FormatErrorReport(const std::string& className, const std::string& moduleName,
                              const void* address, const std::string& message);

// Shows the report for Error and ends the process with exit code 1.
[[noreturn]] void ReportErrorAndExit(std::exception_ptr error);

// Runs Body; any error escaping it is reported as above. Returns Body's result.
int RunWithErrorReport(int (*body)());
