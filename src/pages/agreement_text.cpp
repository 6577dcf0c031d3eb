#include "setup/config.h"

// Paragraphs on single lines ended by CR LF; the agreement box wraps them.
const char* const LicenseAgreement =
    "GLYPHWORK LICENCE AGREEMENT\r\n"
    "This is a placeholder agreement.\r\n";
