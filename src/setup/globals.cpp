#include "setup/globals.h"

std::string SourceDir;
std::string DestDir;

int32_t ScreenWidth = 0;
int32_t ScreenHeight = 0;
HWND BackdropWnd = nullptr;
HBITMAP LogoBitmap = nullptr;
char WindowsDir[256] = {};

std::unique_ptr<uint8_t[]> InBuffer;
std::unique_ptr<uint8_t[]> OutBuffer;

TLzhReadProc UnpackReadProc = nullptr;
TLzhWriteProc UnpackWriteProc = nullptr;

int32_t PageResult = 0;
bool SetupAborted = false;

bool ArchiveWrittenByRun = false;
bool MainExeWrittenByRun = false;
