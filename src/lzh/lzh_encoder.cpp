#include "lzh/lzh_encoder.h"

#include <algorithm>
#include <cstring>

#include "lzh/lzh_bit_writer.h"
#include "lzh/lzh_encoder_model.h"
#include "lzh/lzh_match_finder.h"
#include "lzh/lzh_match_table.h"
#include "lzh/lzh_optimal_parse.h"

namespace {

// The decoder's window starts with spaces; the nearest 60 of them are all a match can use
// (farther ones hold the same bytes at a greater distance), so the text is prefixed with them.
constexpr size_t LeadSpaces = LzhMaxMatch;
// Positions parsed with one set of prices. Shorter blocks follow the adaptive code more closely.
constexpr size_t BlockSize = 1024;
// Tree nodes visited per position by the match finder.
constexpr unsigned SearchDepth = 64;
constexpr size_t ProgressStep = 64 * 1024;

void PutSymbol(TLzhBitWriter& Writer, TLzhEncoderModel& Model, unsigned Symbol) {
    const TLzhSymbolCode code = LzhEncoderModelCode(Model, Symbol);
    LzhPutBits(Writer, code.Bits, code.Length);
    LzhEncoderModelCount(Model, Symbol);
}

void PutToken(TLzhBitWriter& Writer, TLzhEncoderModel& Model, const TLzhToken& Token, uint8_t Literal) {
    if (Token.Length == 1) {
        PutSymbol(Writer, Model, Literal);
        return;
    }
    PutSymbol(Writer, Model, Token.Length + LzhMatchSymbolBias);
    const unsigned position = Token.Distance - 1u;
    const TLzhPrefixCode prefix = LzhPositionPrefixCodes[position >> 6];
    LzhPutBits(Writer, prefix.Code, prefix.Length);
    LzhPutBits(Writer, position & 0x3Fu, 6);
}

}  // namespace

std::vector<uint8_t> LzhPack(const uint8_t* Data, size_t Size, const LzhProgress& Progress) {
    std::vector<uint8_t> text(LeadSpaces + Size, ' ');
    if (Size > 0) std::memcpy(text.data() + LeadSpaces, Data, Size);

    TLzhMatchFinder finder;
    LzhMatchFinderInit(finder, text.data(), text.size(), SearchDepth);
    while (finder.Pos < LeadSpaces) LzhSkipPosition(finder);
    TLzhMatchTable table;
    LzhMatchTableInit(table, BlockSize + LzhMaxMatch);

    TLzhEncoderModel model;
    LzhEncoderModelStart(model);
    TLzhBitWriter writer;
    writer.Bytes.reserve(Size / 2 + 16);
    std::array<uint8_t, LzhSymbolCount> symbolBits;
    TLzhParseWork work;
    std::vector<TLzhToken> tokens;

    size_t pos = LeadSpaces;
    size_t nextReport = ProgressStep;
    while (pos < text.size()) {
        // Parse a little past the block so that its last tokens are not cut short; keep only
        // the tokens that start inside the block.
        const size_t blockEnd = std::min(pos + BlockSize, text.size());
        const size_t horizon = std::min(blockEnd + LzhMaxMatch, text.size());
        while (finder.Pos < horizon) LzhMatchTableFill(table, finder);
        LzhEncoderModelCodeLengths(model, symbolBits);
        tokens.clear();
        LzhParseCheapest(text.data(), pos, horizon, table, symbolBits, work, tokens);
        for (const TLzhToken& token : tokens) {
            if (pos >= blockEnd) break;
            PutToken(writer, model, token, text[pos]);
            pos += token.Length;
        }
        const size_t done = pos - LeadSpaces;
        if (Progress && done >= nextReport && done < Size) {
            Progress(done, Size);
            nextReport = done - done % ProgressStep + ProgressStep;
        }
    }
    LzhFlushBits(writer);
    if (Progress) Progress(Size, Size);
    return std::move(writer.Bytes);
}
