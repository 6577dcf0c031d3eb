// Binary files opened by name with an access and sharing mode, read and written in counted
// blocks. Every failure raises EInOutError with the system's error code; a short block read
// raises code 100 ("Read beyond end of file") and a short block write code 101 ("Disk full").
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "rtl/win_handles.h"

// Open modes: one access value plus one sharing value.
constexpr int FileModeRead = 0x00;
constexpr int FileModeWrite = 0x01;
constexpr int FileModeReadWrite = 0x02;
constexpr int FileShareCompat = 0x00;     // no sharing
constexpr int FileShareExclusive = 0x10;  // no sharing
constexpr int FileShareDenyWrite = 0x20;  // others may read
constexpr int FileShareDenyRead = 0x30;   // others may write
constexpr int FileShareDenyNone = 0x40;   // others may read and write

class TBinaryFile {
public:
    TBinaryFile() = default;
    TBinaryFile(TBinaryFile&&) noexcept = default;
    TBinaryFile& operator=(TBinaryFile&&) noexcept = default;

    // Opens an existing file without truncating it.
    void Reset(const std::string& path, int mode);
    // Creates the file, or truncates it to 0 when it exists.
    void Rewrite(const std::string& path, int mode);
    // As Reset and Rewrite, but a failure is returned (the system's error code) instead of raised.
    DWORD TryReset(const std::string& path, int mode) noexcept;
    DWORD TryRewrite(const std::string& path, int mode) noexcept;

    // Reads up to Count bytes; returns the number delivered (0 at the end of the file).
    size_t BlockRead(void* buffer, size_t count);
    // Reads exactly Count bytes.
    void BlockReadExact(void* buffer, size_t count);
    // Writes all Count bytes.
    void BlockWrite(const void* buffer, size_t count);

    void Seek(int64_t position);
    int64_t FilePos() const;
    int64_t FileSize() const;
    bool Eof() const { return FilePos() >= FileSize(); }
    // Sets the end of the file at the current position.
    void Truncate();
    void Close();

    bool IsOpen() const noexcept { return handle_.Valid(); }
    HANDLE Handle() const noexcept { return handle_.Get(); }

private:
    DWORD Open(const std::string& path, int mode, DWORD disposition) noexcept;
    void RequireOpen() const;

    UniqueFileHandle handle_;
};

// Raises EInOutError for the calling thread's last system error.
[[noreturn]] void RaiseLastIoError();

bool FileExists(const std::string& path);
// Everything up to and including the last "\" or ":"; empty when there is none.
std::string ExtractFilePath(const std::string& path);
// The name after the folder part.
std::string ExtractFileName(const std::string& path);
// The part from the last "." that follows the last "\" or ":"; empty when there is none.
std::string ExtractFileExt(const std::string& path);
// Replaces the extension (as ExtractFileExt finds it) by Ext, or appends Ext when there is none.
std::string ChangeFileExt(const std::string& path, const std::string& ext);
// The full path of the running program's file.
std::string ModuleFileName();
