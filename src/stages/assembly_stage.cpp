// The volume assembly stage: joins the distribution's volumes into the archive in the
// destination folder, asking for each further disk, with the percentage bar and a live Cancel.
#include <string>

#include "lzh/install_running.h"
#include "rtl/bin_file.h"
#include "rtl/callback_guard.h"
#include "setup/config.h"
#include "setup/globals.h"
#include "stages/disk_prompt.h"
#include "stages/message_pump.h"
#include "stages/progress_meter.h"
#include "stages/read_catalog.h"
#include "stages/stage_dialog.h"
#include "stages/stages.h"
#include "stages/integrity_checks.h"

namespace {

constexpr size_t CopyBlockSize = 2048;
// Disks after the first that the stage asks for.
constexpr int LastDisk = 4;

// The first volume draws after every block; later ones only when the figure changes and is
// not above 100 (the bar's 100 % is a fixed byte count, not the volumes' real size).
enum class TDrawRule { EveryBlock, WhenChanged };

struct TAssembly {
    HWND Dialog;
    TBinaryFile Archive;
    int32_t Copied = 0;  // bytes appended over all volumes
};

TBinaryFile OpenVolume(const std::string& path) {
    TBinaryFile volume;
    volume.Reset(path, FileModeRead | FileShareDenyWrite);
    return volume;
}

// Appends the volume to the archive block by block until its end or a cancel, closes it, and
// tells whether what was copied is the volume the distribution was packed with.
bool CopyVolume(TAssembly& work, int disk, TBinaryFile& volume, TDrawRule rule) {
    TVolumeCheck check(disk);
    uint8_t buffer[CopyBlockSize];
    while (!volume.Eof() && InstallRunning) {
        const size_t got = volume.BlockRead(buffer, sizeof buffer);
        work.Archive.BlockWrite(buffer, got);
        check.Add(buffer, got);
        work.Copied += static_cast<int32_t>(got);
        const int32_t boundary = MeterPosition(work.Copied, Config.AssemblyTotalBytes);
        if (rule == TDrawRule::EveryBlock ||
            (ProgressMeter.Percent != LastPercent && ProgressMeter.Percent <= 100)) {
            DrawProgressMeter(boundary);
        }
        PumpMessages();
    }
    volume.Close();
    // A cancelled copy is thrown away by the abort path; there is nothing to judge.
    return !InstallRunning || check.Matches();
}

// Disk 2, 3 or 4: asks for it while its volume is missing and copies it. A volume that turns
// out not to be the packed one is taken back out of the archive and the disk is asked for again.
void AddFurtherVolume(TAssembly& work, int disk) {
    const std::string prompt = "Please Insert Disk number " + std::to_string(disk);
    Config.VolumeName = ChangeFileExt(Config.VolumeName, disk == 2 ? ".002" : disk == 3 ? ".003" : ".004");
    const std::string path = JoinPath(SourceDir, Config.VolumeName);
    bool refused = false;
    for (;;) {
        WaitForDisk(work.Dialog, prompt, path, refused);
        if (!InstallRunning) return;
        const int64_t start = work.Archive.FilePos();
        const int32_t copiedBefore = work.Copied;
        TBinaryFile volume = OpenVolume(path);
        if (CopyVolume(work, disk, volume, TDrawRule::WhenChanged)) return;
        work.Archive.Seek(start);
        work.Archive.Truncate();
        work.Copied = copiedBefore;
        ShowWrongDisk(work.Dialog);
        refused = true;
    }
}

void AssembleArchive(HWND dialog) {
    MeterScope meter(dialog);
    ReadCatalog();
    TBinaryFile firstVolume = OpenVolume(JoinPath(SourceDir, Config.VolumeName));
    TAssembly work{dialog, {}, 0};
    work.Archive.Rewrite(JoinPath(DestDir, Config.ArchiveName), FileModeReadWrite | FileShareDenyWrite);
    ArchiveWrittenByRun = true;
    // There is no question for disk 1: a first volume that is not the packed one ends the setup.
    if (!CopyVolume(work, 1, firstVolume, TDrawRule::EveryBlock)) RaiseDamagedVolume(Config.VolumeName);
    for (int disk = 2; disk <= LastDisk && Config.DiskCount >= disk && InstallRunning; ++disk) {
        AddFurtherVolume(work, disk);
    }
    work.Archive.Close();
}

}  // namespace

INT_PTR CALLBACK IProgressDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    return GuardDialogProc(dialog, [&] { return HandleStageMessage(dialog, message, wParam, AssembleArchive); });
}
