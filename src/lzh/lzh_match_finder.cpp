#include "lzh/lzh_match_finder.h"

#include <algorithm>

#include "lzh/lzh_constants.h"

namespace {

constexpr unsigned HashBits = 16;
constexpr uint32_t Empty = UINT32_MAX;
// Window slots: twice the reach, so a node within reach is never overwritten while in use.
constexpr size_t SlotCount = 2 * LzhWindowSize;
constexpr size_t SlotMask = SlotCount - 1;

inline unsigned Hash3(const uint8_t* p) {
    const uint32_t v = p[0] | (p[1] << 8) | (static_cast<uint32_t>(p[2]) << 16);
    return (v * 2654435761u) >> (32 - HashBits);
}

// One descent: links the current position in as the new root of its hash's tree and, when Out
// is not null, records each longer match met on the way.
size_t InsertAndFind(TLzhMatchFinder& Finder, TLzhMatch* Out) {
    const size_t pos = Finder.Pos++;
    const size_t avail = Finder.Size - pos;
    if (avail < static_cast<size_t>(LzhMinMatch)) return 0;  // no match fits; nothing after needs it
    const unsigned lenLimit = static_cast<unsigned>(std::min<size_t>(LzhMaxMatch, avail));
    const uint8_t* cur = Finder.Data + pos;
    const uint32_t pos32 = static_cast<uint32_t>(pos);

    uint32_t& head = Finder.Head[Hash3(cur)];
    uint32_t candidate = head;
    head = pos32;

    uint32_t* tree = Finder.Tree.data();
    uint32_t* largerLink = &tree[((pos & SlotMask) << 1) + 1];   // where the next larger node goes
    uint32_t* smallerLink = &tree[(pos & SlotMask) << 1];        // where the next smaller node goes
    unsigned largerLen = 0, smallerLen = 0;  // common prefix with the bounds on each side
    unsigned best = LzhMinMatch - 1;
    unsigned depth = Finder.SearchDepth;
    size_t count = 0;

    for (;;) {
        if (candidate == Empty || pos32 - candidate > static_cast<uint32_t>(LzhWindowSize) ||
            depth-- == 0) {
            *largerLink = *smallerLink = Empty;
            break;
        }
        uint32_t* node = &tree[(candidate & SlotMask) << 1];
        const uint8_t* other = Finder.Data + candidate;
        unsigned len = std::min(largerLen, smallerLen);  // both bounds share at least this much
        if (other[len] == cur[len]) {
            while (++len != lenLimit && other[len] == cur[len]) {
            }
            if (len > best) {
                best = len;
                if (Out != nullptr)
                    Out[count++] = {static_cast<uint16_t>(len), static_cast<uint16_t>(pos32 - candidate)};
                if (len == lenLimit) {
                    // The new node replaces the equal old one and takes over its subtrees.
                    *smallerLink = node[0];
                    *largerLink = node[1];
                    break;
                }
            }
        }
        if (other[len] < cur[len]) {
            *smallerLink = candidate;
            smallerLink = node + 1;
            candidate = *smallerLink;
            smallerLen = len;
        } else {
            *largerLink = candidate;
            largerLink = node;
            candidate = *largerLink;
            largerLen = len;
        }
    }
    return count;
}

}  // namespace

void LzhMatchFinderInit(TLzhMatchFinder& Finder, const uint8_t* Data, size_t Size,
                        unsigned SearchDepth) {
    Finder.Data = Data;
    Finder.Size = Size;
    Finder.Pos = 0;
    Finder.SearchDepth = SearchDepth;
    Finder.Head.assign(size_t{1} << HashBits, Empty);
    Finder.Tree.assign(2 * SlotCount, Empty);
}

size_t LzhFindMatches(TLzhMatchFinder& Finder, TLzhMatch* Out) { return InsertAndFind(Finder, Out); }

void LzhSkipPosition(TLzhMatchFinder& Finder) { InsertAndFind(Finder, nullptr); }
