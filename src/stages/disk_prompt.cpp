#include "stages/disk_prompt.h"

#include "lzh/install_running.h"
#include "rtl/bin_file.h"
#include "rtl/callback_guard.h"
#include "setup/config.h"

void ShowWrongDisk(HWND dialog) {
    ::MessageBoxA(dialog, Config.WrongDiskMessage.c_str(), "", MB_OK);
    // The message box's modal loop dispatched to the stage dialog too.
    RaisePendingError();
}

void WaitForDisk(HWND dialog, const std::string& prompt, const std::string& path, bool refused) {
    while ((refused || !FileExists(path)) && InstallRunning) {
        const int answer = ::MessageBoxA(dialog, prompt.c_str(), Config.ProductName.c_str(), MB_OKCANCEL);
        RaisePendingError();
        if (answer == IDOK) {
            refused = false;
            if (!FileExists(path)) ShowWrongDisk(dialog);
        } else if (refused || !FileExists(path)) {
            InstallRunning = 0;
        }
    }
}
