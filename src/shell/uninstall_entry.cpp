// The product's entry in the machine's list of removable programs.
#include <string>

#include "rtl/reg_ini_file.h"
#include "setup/config.h"
#include "setup/globals.h"
#include "shell/shell.h"

namespace {

constexpr const char* UninstallKey = "Software\\microsoft\\windows\\currentversion\\uninstall";

}  // namespace

void WriteUninstallEntry() {
    // Made on the current user's side first (which creates the key there too), then moved over.
    TRegIniFile registry(UninstallKey);
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    // Without the uninstall key the entry would land directly below the machine's root, where no
    // one looks for it; the user is told instead, as when the entry's own key cannot be made.
    if (!registry.OpenKey(UninstallKey, true))
        throw ERegistryException("Failed to create key " + Config.ProductName);
    registry.WriteString(Config.ProductName, "DisplayName", Config.ProductName);
    registry.WriteString(Config.ProductName, "UnInstallString", JoinPath(DestDir, Config.UninstallExeName));
}
