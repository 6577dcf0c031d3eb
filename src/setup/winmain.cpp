// Program entry: the whole run under the top-level error report.
#include <windows.h>

#include "rtl/error_report.h"
#include "setup/driver.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Returning lets the run-time finish (static destructors) before the process exits.
    return RunWithErrorReport(SetupMain);
}
