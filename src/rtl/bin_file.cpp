#include "rtl/bin_file.h"

#include <algorithm>

#include "rtl/exception.h"

namespace {

constexpr size_t MaxPiece = 1u << 30;

DWORD AccessFor(int mode) {
    switch (mode & 0x03) {
    case FileModeWrite: return GENERIC_WRITE;
    case FileModeReadWrite: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
    }
}

DWORD SharingFor(int mode) {
    switch (mode & 0xF0) {
    case FileShareDenyWrite: return FILE_SHARE_READ;
    case FileShareDenyRead: return FILE_SHARE_WRITE;
    case FileShareDenyNone: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    default: return 0;
    }
}

std::string::size_type FolderEnd(const std::string& path) {
    auto end = path.find_last_of("\\:");
    return end == std::string::npos ? 0 : end + 1;
}

}  // namespace

void RaiseLastIoError() { throw EInOutError(static_cast<int>(::GetLastError())); }

DWORD TBinaryFile::Open(const std::string& path, int mode, DWORD disposition) noexcept {
    handle_.Reset();
    HANDLE h = ::CreateFileA(path.c_str(), AccessFor(mode), SharingFor(mode), nullptr, disposition,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return ::GetLastError();
    handle_.Reset(h);
    return ERROR_SUCCESS;
}

DWORD TBinaryFile::TryReset(const std::string& path, int mode) noexcept { return Open(path, mode, OPEN_EXISTING); }

DWORD TBinaryFile::TryRewrite(const std::string& path, int mode) noexcept {
    // A new file is always opened for reading and writing, whatever the access asked for.
    return Open(path, (mode & ~0x03) | FileModeReadWrite, CREATE_ALWAYS);
}

void TBinaryFile::Reset(const std::string& path, int mode) {
    if (DWORD error = TryReset(path, mode)) throw EInOutError(static_cast<int>(error));
}

void TBinaryFile::Rewrite(const std::string& path, int mode) {
    if (DWORD error = TryRewrite(path, mode)) throw EInOutError(static_cast<int>(error));
}

void TBinaryFile::RequireOpen() const {
    // The run-time's code for an operation on a file that is not open.
    if (!handle_.Valid()) throw EInOutError(103);
}

size_t TBinaryFile::BlockRead(void* buffer, size_t count) {
    RequireOpen();
    // One system call moves at most 4 GiB; larger counts go in pieces.
    auto* at = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    while (done < count) {
        DWORD piece = static_cast<DWORD>(std::min<size_t>(count - done, MaxPiece));
        DWORD got = 0;
        if (!::ReadFile(handle_.Get(), at + done, piece, &got, nullptr)) RaiseLastIoError();
        done += got;
        if (got < piece) break;  // end of file
    }
    return done;
}

void TBinaryFile::BlockReadExact(void* buffer, size_t count) {
    if (BlockRead(buffer, count) != count) throw EInOutError(IoReadBeyondEnd);
}

void TBinaryFile::BlockWrite(const void* buffer, size_t count) {
    RequireOpen();
    const auto* at = static_cast<const uint8_t*>(buffer);
    size_t done = 0;
    while (done < count) {
        DWORD piece = static_cast<DWORD>(std::min<size_t>(count - done, MaxPiece));
        DWORD written = 0;
        if (!::WriteFile(handle_.Get(), at + done, piece, &written, nullptr)) RaiseLastIoError();
        if (written != piece) throw EInOutError(IoDiskFull);
        done += written;
    }
}

void TBinaryFile::Seek(int64_t position) {
    RequireOpen();
    LARGE_INTEGER to;
    to.QuadPart = position;
    if (position < 0) {
        // SetFilePointerEx would report this too; say it the same way on every system.
        throw EInOutError(ERROR_NEGATIVE_SEEK);
    }
    if (!::SetFilePointerEx(handle_.Get(), to, nullptr, FILE_BEGIN)) RaiseLastIoError();
}

int64_t TBinaryFile::FilePos() const {
    RequireOpen();
    LARGE_INTEGER zero{}, now{};
    if (!::SetFilePointerEx(handle_.Get(), zero, &now, FILE_CURRENT)) RaiseLastIoError();
    return now.QuadPart;
}

int64_t TBinaryFile::FileSize() const {
    RequireOpen();
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle_.Get(), &size)) RaiseLastIoError();
    return size.QuadPart;
}

void TBinaryFile::Truncate() {
    RequireOpen();
    if (!::SetEndOfFile(handle_.Get())) RaiseLastIoError();
}

void TBinaryFile::Close() {
    RequireOpen();
    HANDLE h = handle_.Release();
    if (!::CloseHandle(h)) RaiseLastIoError();
}

bool FileExists(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ExtractFilePath(const std::string& path) { return path.substr(0, FolderEnd(path)); }

std::string ExtractFileName(const std::string& path) { return path.substr(FolderEnd(path)); }

std::string ExtractFileExt(const std::string& path) {
    auto dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < FolderEnd(path)) return {};
    return path.substr(dot);
}

std::string ChangeFileExt(const std::string& path, const std::string& ext) {
    return path.substr(0, path.size() - ExtractFileExt(path).size()) + ext;
}

std::string ModuleFileName() {
    char name[MAX_PATH + 1] = {};
    DWORD length = ::GetModuleFileNameA(nullptr, name, MAX_PATH);
    return std::string(name, length);
}
