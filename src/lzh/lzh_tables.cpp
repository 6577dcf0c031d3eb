#include "lzh/lzh_tables.h"

#include <cstdint>
#include <cstdlib>

#include "lzh/lzh_constants.h"
#include "lzh/lzh_state.h"
#include "lzh/lzh_unpack.h"

namespace {

void* HeapGetMem(size_t Size) { return std::malloc(Size); }

bool HeapFreeMem(void* Block, size_t) {
    std::free(Block);
    return true;
}

constexpr size_t WindowBytes = LzhWindowSize;
constexpr size_t FreqBytes = LzhFreqEntries * sizeof(uint16_t);
constexpr size_t ParentBytes = LzhParentEntries * sizeof(uint16_t);
constexpr size_t ChildBytes = LzhChildEntries * sizeof(uint16_t);

// Any failure of the memory service, reported or thrown, counts the same.
void* TryGetMem(size_t Size) {
    try {
        return LzhGetMem(Size);
    } catch (...) {
        return nullptr;
    }
}

// Gives back one table and clears its pointer; false when the release failed.
template <typename T>
bool Release(T*& Table, size_t Size) {
    if (Table == nullptr) return true;
    void* block = Table;
    Table = nullptr;
    try {
        return LzhFreeMem(block, Size);
    } catch (...) {
        return false;
    }
}

// Releases whatever is held; true when every release succeeded.
bool ReleaseAll() {
    bool ok = Release(LzhChild, ChildBytes);
    ok = Release(LzhParent, ParentBytes) && ok;
    ok = Release(LzhFreq, FreqBytes) && ok;
    ok = Release(LzhWindow, WindowBytes) && ok;
    return ok;
}

}  // namespace

TLzhGetMemProc LzhGetMem = HeapGetMem;
TLzhFreeMemProc LzhFreeMem = HeapFreeMem;

void LzhUseDefaultMemory() {
    LzhGetMem = HeapGetMem;
    LzhFreeMem = HeapFreeMem;
}

void LzhAllocTables() {
    LzhBitBuffer = 0;
    LzhBitCount = 0;
    bool ok = (LzhWindow = static_cast<uint8_t*>(TryGetMem(WindowBytes))) != nullptr &&
              (LzhFreq = static_cast<uint16_t*>(TryGetMem(FreqBytes))) != nullptr &&
              (LzhParent = static_cast<uint16_t*>(TryGetMem(ParentBytes))) != nullptr &&
              (LzhChild = static_cast<uint16_t*>(TryGetMem(ChildBytes))) != nullptr;
    if (!ok) {
        ReleaseAll();  // a partial set is of no use; the failure to report is the first one
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
}

void LzhFreeTables() {
    if (!ReleaseAll()) throw ElzhException("LZH : Error freeing memory for dictionary tables");
}

bool LzhTablesHeld() {
    return LzhWindow != nullptr || LzhFreq != nullptr || LzhParent != nullptr || LzhChild != nullptr;
}
