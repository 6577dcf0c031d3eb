#include "lzh/lzh_optimal_parse.h"

#include <algorithm>

void LzhParseCheapest(const uint8_t* Data, size_t Start, size_t End, const TLzhMatchTable& Table,
                      const std::array<uint8_t, LzhSymbolCount>& SymbolBits, TLzhParseWork& Work,
                      std::vector<TLzhToken>& Tokens) {
    const size_t span = End - Start;
    Work.Cost.assign(span + 1, UINT32_MAX);
    Work.Step.resize(span + 1);
    uint32_t* cost = Work.Cost.data();
    TLzhToken* step = Work.Step.data();
    cost[0] = 0;

    for (size_t i = 0; i < span; ++i) {
        const uint32_t here = cost[i];
        const uint32_t literal = here + SymbolBits[Data[Start + i]];
        if (literal < cost[i + 1]) {
            cost[i + 1] = literal;
            step[i + 1] = {1, 0};
        }
        const size_t count = LzhMatchCountAt(Table, Start + i);
        const TLzhMatch* matches = LzhMatchesAt(Table, Start + i);
        const unsigned room = static_cast<unsigned>(std::min<size_t>(LzhMaxMatch, span - i));
        unsigned length = LzhMinMatch;
        // Each length is reached most cheaply from the nearest match that is at least that long.
        for (size_t m = 0; m < count && length <= room; ++m) {
            const unsigned top = std::min<unsigned>(matches[m].Length, room);
            const uint32_t base = here + LzhPositionBits(matches[m].Distance);
            for (; length <= top; ++length) {
                const uint32_t total = base + SymbolBits[length + LzhMatchSymbolBias];
                if (total < cost[i + length]) {
                    cost[i + length] = total;
                    step[i + length] = {static_cast<uint16_t>(length), matches[m].Distance};
                }
            }
        }
    }

    // Walk back from the end, then append the tokens in order.
    const size_t first = Tokens.size();
    for (size_t i = span; i > 0; i -= step[i].Length) Tokens.push_back(step[i]);
    std::reverse(Tokens.begin() + static_cast<std::ptrdiff_t>(first), Tokens.end());
}
