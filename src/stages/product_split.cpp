#include "stages/product_split.h"

#include <algorithm>
#include <string>

#include "rtl/bin_file.h"
#include "setup/config.h"
#include "setup/globals.h"
#include "stages/read_catalog.h"

namespace {

constexpr int32_t CopyBlockSize = 2048;

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    }
    return text;
}

// Copies Size bytes from the source's current position in blocks of 2048, the last block
// holding the rest (1 to 2048 bytes; none for an empty file).
void CopyRange(TBinaryFile& source, TBinaryFile& target, int32_t size) {
    uint8_t buffer[CopyBlockSize];
    int32_t done = 0;
    while (done + CopyBlockSize < size) {
        source.BlockReadExact(buffer, CopyBlockSize);
        target.BlockWrite(buffer, CopyBlockSize);
        done += CopyBlockSize;
    }
    const size_t rest = size_t(size - done);
    source.BlockReadExact(buffer, rest);
    target.BlockWrite(buffer, rest);
}

// Creates the entry's file where its extension says, or in the destination folder when that
// place cannot take it. False when neither can.
bool CreateTarget(TBinaryFile& target, const std::string& name, const std::string& extension) {
    const std::string inDest = JoinPath(DestDir, name);
    const std::string place = extension == ".HLP" ? JoinPath(JoinPath(WindowsDir, "Help"), name) : inDest;
    constexpr int mode = FileModeReadWrite | FileShareDenyWrite;
    // A failure is tried once more in the destination folder: for most entries the same place again,
    // which gets past a file that was only held for a moment.
    return target.TryRewrite(place, mode) == 0 || target.TryRewrite(inDest, mode) == 0;
}

}  // namespace

void SplitProduct() {
    TBinaryFile mainExe;
    mainExe.Reset(JoinPath(DestDir, Config.MainExeName), FileModeReadWrite | FileShareDenyWrite);
    for (const TCatalogEntry* entry = CatalogHead.get(); entry; entry = entry->Next.get()) {
        mainExe.Seek(entry->Offset);
        const std::string extension = UpperAscii(ExtractFileExt(entry->Name));
        // Libraries and documents the user already has are kept.
        if ((extension == ".LIB" || extension == ".DTP") && FileExists(JoinPath(DestDir, entry->Name))) continue;
        TBinaryFile target;
        if (!CreateTarget(target, entry->Name, extension)) continue;
        CopyRange(mainExe, target, entry->Size);
        target.Close();
    }
    mainExe.Seek(CatalogHead->Offset);
    mainExe.Truncate();
    mainExe.Close();
}
