// The extraction stage: decodes the archive into the main executable with the bar following
// the bytes written, deletes the archive, splits the product's files out of the decoded stream
// and cuts the main executable back to its own length.
#include <string>

#include "lzh/install_running.h"
#include "lzh/lzh_unpack.h"
#include "rtl/bin_file.h"
#include "rtl/callback_guard.h"
#include "setup/config.h"
#include "setup/globals.h"
#include "stages/product_split.h"
#include "stages/progress_meter.h"
#include "stages/read_catalog.h"
#include "stages/stage_dialog.h"
#include "stages/stages.h"
#include "stages/stream_adapters.h"

namespace {

// Closes the adapters' files on every way out of the decode, an error included.
class AdapterFilesScope {
public:
    AdapterFilesScope() = default;
    AdapterFilesScope(const AdapterFilesScope&) = delete;
    AdapterFilesScope& operator=(const AdapterFilesScope&) = delete;
    ~AdapterFilesScope() {
        ArchiveFile = TBinaryFile();
        MainExeFile = TBinaryFile();
    }
};

// Creates the main executable, or opens an existing one that cannot be recreated (write only,
// shared) without truncating it. False when neither works.
bool OpenMainExe(const std::string& path) {
    if (MainExeFile.TryRewrite(path, FileModeReadWrite | FileShareCompat) == 0) return true;
    return MainExeFile.TryReset(path, FileModeWrite | FileShareDenyNone) == 0;
}

// Decodes the archive into the main executable and deletes the archive, cancelled or not.
// False when the main executable could not be opened.
bool DecodeArchive() {
    AdapterFilesScope files;
    const std::string archive = JoinPath(DestDir, Config.ArchiveName);
    // The archive first: when it cannot be opened the setup ends with nothing new written.
    ArchiveFile.Reset(archive, FileModeRead | FileShareCompat);
    if (!OpenMainExe(JoinPath(DestDir, Config.MainExeName))) {
        ArchiveFile.Close();
        return false;
    }
    MainExeWrittenByRun = true;
    ResetStreamAdapters();
    LzhUnpack(CatalogTotal, UnpackReadProc, UnpackWriteProc);
    if (InstallRunning) {
        uint16_t unused = 0;
        UnpackWriteProc(OutBuffer.get(), 0, unused);
    }
    ArchiveFile.Close();
    ::DeleteFileA(archive.c_str());
    MainExeFile.Close();
    return true;
}

void ExtractProduct(HWND dialog) {
    MeterScope meter(dialog);
    if (!DecodeArchive()) {
        InstallRunning = 0;
        return;
    }
    if (!InstallRunning) return;
    DecodedStream.Verify();
    SplitProduct();
    ReleaseCatalog();
}

}  // namespace

INT_PTR CALLBACK ProgressDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&] { return HandleStageMessage(dialog, message, wParam, ExtractProduct); });
}
