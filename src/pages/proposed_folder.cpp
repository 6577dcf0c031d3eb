#include "pages/proposed_folder.h"

#include <windows.h>

#include "pages/path_helpers.h"
#include "rtl/reg_ini_file.h"

namespace {
// The page's own word for the product's registry section and folder, not the configured name.
const char* const ProductFolder = "Glyphwork";
const char* const MakerKey = "Software\\Tallowbeck";
}  // namespace

std::string ProposeDestination() {
    std::string proposal;
    {
        TRegIniFile maker(MakerKey);
        proposal = maker.ReadString(ProductFolder, "RegDir", "");
    }
    if (!proposal.empty()) return proposal;

    TRegIniFile windows(MakerKey);
    windows.SetRootKey(HKEY_LOCAL_MACHINE);
    // When the key cannot be opened there is no current key, and the read below gives the default.
    windows.OpenKey("software\\microsoft\\windows", false);
    std::string programFiles = windows.ReadString("CurrentVersion", "ProgramFilesDir", "C:\\Program Files");
    return JoinPath(programFiles, ProductFolder);
}
