// The destination folder that the destination page proposes.
#pragma once

#include <string>

// "RegDir" of HKCU\Software\Tallowbeck\Glyphwork when set; otherwise the Program Files folder
// of HKLM\software\microsoft\windows\CurrentVersion (default "C:\Program Files") plus
// "Glyphwork". Leaves HKCU\Software\Tallowbeck in place, created when it was missing.
std::string ProposeDestination();
