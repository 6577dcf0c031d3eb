// State shared by the driver, the pages and the stages. Everything runs on one thread.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "lzh/lzh_unpack.h"
#include "pages/path_helpers.h"  // JoinPath, used wherever a file goes into a folder

// Folder of the running setup program, ending in a backslash; the volumes are looked for there.
extern std::string SourceDir;
// Destination folder as the user entered it; the setup program's own folder until the first OK.
extern std::string DestDir;

extern int32_t ScreenWidth;
extern int32_t ScreenHeight;
extern HWND BackdropWnd;
extern HBITMAP LogoBitmap;
extern char WindowsDir[256];

// Size of each of the stream adapters' buffers; 2048 bytes of each are used.
constexpr size_t AdapterBufferSize = 2064;
extern std::unique_ptr<uint8_t[]> InBuffer;
extern std::unique_ptr<uint8_t[]> OutBuffer;

extern TLzhReadProc UnpackReadProc;
extern TLzhWriteProc UnpackWriteProc;

extern int32_t PageResult;
extern bool SetupAborted;

// Set by the stages when this run creates (or writes into) the archive and the main executable,
// so that the abort clean-up deletes only files that this run wrote.
extern bool ArchiveWrittenByRun;
extern bool MainExeWrittenByRun;

// The private message with which a stage dialog starts its work.
constexpr UINT WM_STARTSTAGE = 32000;
