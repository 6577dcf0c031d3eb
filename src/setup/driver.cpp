#include "setup/driver.h"

#include "pages/pages.h"
#include "rtl/bin_file.h"
#include "rtl/callback_guard.h"
#include "rtl/win_handles.h"
#include "setup/backdrop.h"
#include "setup/config.h"
#include "setup/globals.h"
#include "shell/shell.h"
#include "stages/stages.h"
#include "stages/stream_adapters.h"

namespace {

HINSTANCE Instance() { return ::GetModuleHandleA(nullptr); }

void StartUp() {
    WNDCLASSA backdropClass{};
    backdropClass.style = CS_PARENTDC;
    backdropClass.lpfnWndProc = BackdropWndProc;
    backdropClass.lpszClassName = "TBSetUp";

    SourceDir = ExtractFilePath(ModuleFileName());
    DestDir = SourceDir;
    InBuffer = std::make_unique<uint8_t[]>(AdapterBufferSize);
    OutBuffer = std::make_unique<uint8_t[]>(AdapterBufferSize);
    UnpackReadProc = ReadArchiveBytes;
    UnpackWriteProc = WriteMainExeBytes;
    ScreenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    ScreenHeight = ::GetSystemMetrics(SM_CYSCREEN);

    backdropClass.hInstance = Instance();
    ::RegisterClassA(&backdropClass);
    BackdropWnd = ::CreateWindowExA(0, "TBSetUp", "Installation", WS_POPUP | WS_VISIBLE, 0, 0, ScreenWidth,
                                    ScreenHeight, nullptr, nullptr, Instance(), nullptr);
    LogoBitmap = ::LoadBitmapA(Instance(), "logo");
    ::GetWindowsDirectoryA(WindowsDir, sizeof WindowsDir);
    SetupAborted = false;
}

// How the run of the pages and stages, in their order, ended.
enum class SequenceEnd { Completed, Aborted, MainMissing };

SequenceEnd RunSequence() {
    if (!RunPage("Main", MainDlgProc)) return SequenceEnd::MainMissing;
    if (PageResult != 1) return SequenceEnd::Aborted;
    // Without a licence template the licence page is skipped.
    if (RunPage("License", LicenseDlgProc) && PageResult != 1) return SequenceEnd::Aborted;
    if (!RunPage("IProgress", IProgressDlgProc) || PageResult != 1) return SequenceEnd::Aborted;
    if (!RunPage("Progress", ProgressDlgProc) || PageResult != 1) return SequenceEnd::Aborted;
    if (!RunPage("Group", GroupDlgProc)) return SequenceEnd::Aborted;
    return SequenceEnd::Completed;
}

void Complete() {
    if (PageResult == 1) CreateProgramsShortcut();
    WriteUninstallEntry();
    std::string question = Config.SuccessPrefix + Config.ProductName + "?";
    if (::MessageBoxA(nullptr, question.c_str(), Config.ProductName.c_str(), MB_YESNO) == IDYES) LaunchProduct();
}

// Deletes what this run wrote into the destination folder and says that the installation stopped.
// Files of the same names that this run did not write (an earlier installation's, or the setup
// program's own folder before a destination was confirmed) are left alone.
void Abort() {
    std::string archive = JoinPath(DestDir, Config.ArchiveName);
    if (ArchiveWrittenByRun && FileExists(archive)) ::DeleteFileA(archive.c_str());
    std::string mainExe = JoinPath(DestDir, Config.MainExeName);
    if (MainExeWrittenByRun && FileExists(mainExe)) ::DeleteFileA(mainExe.c_str());
    ::MessageBoxA(BackdropWnd, Config.AbortMessage.c_str(), Config.ProductName.c_str(), MB_OK);
}

}  // namespace

bool RunPage(const char* templateName, DLGPROC dialogProc) {
    HRSRC found = ::FindResourceA(Instance(), templateName, MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    if (!found) return false;
    UniqueLoadedResource loaded(::LoadResource(Instance(), found));
    if (!loaded) return false;
    PageResult = static_cast<int32_t>(::DialogBoxParamA(Instance(), templateName, BackdropWnd, dialogProc, 0));
    RaisePendingError();
    return true;
}

void LaunchProduct() {
    Config.MainExeName = ChangeFileExt(Config.MainExeName, ".Exe");
    std::string path = JoinPath(DestDir, Config.MainExeName);
    // The shell may hand the start to COM objects; the shortcut step has uninitialised COM again.
    ComInitialization com;
    ::ShellExecuteA(BackdropWnd, nullptr, path.c_str(), nullptr, DestDir.c_str(), SW_SHOW);
}

int SetupMain() {
    StartUp();
    switch (RunSequence()) {
    case SequenceEnd::Completed:
        Complete();
        break;
    case SequenceEnd::Aborted:
        SetupAborted = true;
        Abort();
        break;
    case SequenceEnd::MainMissing:
        break;
    }
    InBuffer.reset();
    OutBuffer.reset();
    return 0;
}
