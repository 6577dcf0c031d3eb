// The continue flag of the installation stages. The stages set it to 1 when they start and
// clear it on a confirmed Cancel; the decoder reads it before every token and stops when it is 0.
// Tools that run the decoder outside the setup program set it to 1 first.
#pragma once

#include <cstdint>

extern int32_t InstallRunning;
