#include "setup/config.h"

// A publisher builds the setup program for its own distribution by setting these; the packager
// reads them back from the marker below and says what to build with when they do not match.
#ifndef GLYPHWORK_DISK_COUNT
#define GLYPHWORK_DISK_COUNT 2
#endif
#ifndef GLYPHWORK_ASSEMBLY_TOTAL_BYTES
#define GLYPHWORK_ASSEMBLY_TOTAL_BYTES 2795000
#endif
// Test builds change the gradient's end colour (equal colours paint one flat fill) and the
// title's colour (a dark one gets a white shadow).
#ifndef GLYPHWORK_GRADIENT_TO
#define GLYPHWORK_GRADIENT_TO 0x00000000
#endif
#ifndef GLYPHWORK_TITLE_COLOR
#define GLYPHWORK_TITLE_COLOR 0x0000FFFF
#endif

static_assert(GLYPHWORK_ASSEMBLY_TOTAL_BYTES > 0, "the copy bar divides by AssemblyTotalBytes");

#define GLYPHWORK_STRINGIFY2(x) #x
#define GLYPHWORK_STRINGIFY(x) GLYPHWORK_STRINGIFY2(x)

// Found by the packager by scanning the executable.
extern "C" __attribute__((used)) const char GlyphworkConfigMarker[] =
    "GWSETUP-CONFIG:DiskCount=" GLYPHWORK_STRINGIFY(GLYPHWORK_DISK_COUNT) ";AssemblyTotalBytes=" GLYPHWORK_STRINGIFY(
        GLYPHWORK_ASSEMBLY_TOTAL_BYTES) ";";

TInstallerConfig Config = {
    /* GradientFrom */ 0x00FF0000,
    /* GradientTo */ GLYPHWORK_GRADIENT_TO,
    /* TitleColor */ GLYPHWORK_TITLE_COLOR,
    /* DiskCount */ GLYPHWORK_DISK_COUNT,
    /* ShortcutName */ "Glyphwork",
    /* MainExeName */ "Glyphwork.Exe",
    /* ProductName */ "Glyphwork",
    /* VolumeName */ "Glyphwor.001",
    /* ArchiveName */ "Glyphwor._TB",
    /* ProposedDir */ "C:\\Program Files\\Glyphwork",
    /* NoticeText */ "(c) 2026 Tallowbeck Type Foundry",
    /* TitleText */ "Glyphwork Installation",
    /* CancelPrompt */ "Do you really want to terminate the Setup program?",
    /* AbortMessage */ "The Installation process has been terminated.",
    /* WrongDiskMessage */ "This is not the appropriate disk.\r\nPlease insert the correct disk and Press Enter",
    /* SuccessPrefix */ "Glyphwork has been successfully installed.\r\n\r\nDo you wish to run ",
    /* AssemblyTotalBytes */ GLYPHWORK_ASSEMBLY_TOTAL_BYTES,
    /* AgreementText */ LicenseAgreement,
    /* UninstallExeName */ "UnInstal.Exe",
};
