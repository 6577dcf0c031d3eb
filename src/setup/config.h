// The built-in values that make this setup program install this product. Everything is
// compiled in; four fields change while the program runs (noted below).
#pragma once

#include <cstdint>
#include <string>

// A Windows colour value, 0x00BBGGRR.
using TColor = uint32_t;

struct TInstallerConfig {
    TColor GradientFrom;
    TColor GradientTo;
    TColor TitleColor;
    int32_t DiskCount;             // volumes to join; values above 4 act as 4, below 2 as 1
    std::string ShortcutName;      // replaced on the Group page; ".LNK" appended by the shortcut
    std::string MainExeName;       // extension set to ".Exe" before the product is started
    std::string ProductName;
    std::string VolumeName;        // extension replaced before each further disk
    std::string ArchiveName;
    std::string ProposedDir;       // replaced by the destination page before it is shown
    std::string NoticeText;
    std::string TitleText;
    std::string CancelPrompt;
    std::string AbortMessage;
    std::string WrongDiskMessage;
    std::string SuccessPrefix;
    int32_t AssemblyTotalBytes;    // bytes over all volumes at which the copy bar reads 100 %
    std::string AgreementText;
    std::string UninstallExeName;
};

extern TInstallerConfig Config;

// The licence agreement shown on the licence page.
extern const char* const LicenseAgreement;
