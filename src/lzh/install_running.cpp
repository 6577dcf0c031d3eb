#include "lzh/install_running.h"

int32_t InstallRunning = 0;
