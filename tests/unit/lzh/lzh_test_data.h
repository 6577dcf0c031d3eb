// Deterministic test inputs of several kinds, all from fixed seeds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

inline std::vector<uint8_t> RandomBytes(size_t Size, uint32_t Seed) {
    std::mt19937 rng(Seed);
    std::vector<uint8_t> data(Size);
    for (uint8_t& b : data) b = static_cast<uint8_t>(rng());
    return data;
}

// English-like text: words from a small vocabulary with punctuation and line breaks.
inline std::vector<uint8_t> TextBytes(size_t Size, uint32_t Seed) {
    static const char* const words[] = {
        "the", "glyph", "setup", "window", "of", "and", "a", "program", "to", "install",
        "folder", "disk", "archive", "is", "in", "file", "with", "for", "shortcut", "product",
        "licence", "user", "Windows", "help", "destination", "menu", "registry", "entry"};
    std::mt19937 rng(Seed);
    std::string text;
    while (text.size() < Size) {
        text += words[rng() % (sizeof words / sizeof *words)];
        const unsigned r = rng() % 16;
        text += r == 0 ? ".\r\n" : r == 1 ? ", " : " ";
    }
    text.resize(Size);
    return std::vector<uint8_t>(text.begin(), text.end());
}

// Executable-like bytes: little-endian integers with few distinct high bytes, repeated
// instruction-like patterns, zero runs and string tables.
inline std::vector<uint8_t> MachineCodeBytes(size_t Size, uint32_t Seed) {
    std::mt19937 rng(Seed);
    std::vector<uint8_t> data;
    data.reserve(Size + 64);
    std::vector<std::vector<uint8_t>> idioms;
    for (int i = 0; i < 40; ++i) {
        std::vector<uint8_t> idiom(3 + rng() % 9);
        for (uint8_t& b : idiom) b = static_cast<uint8_t>(rng() % 4 == 0 ? 0 : rng());
        idioms.push_back(idiom);
    }
    while (data.size() < Size) {
        switch (rng() % 6) {
        case 0: case 1: case 2: {
            const auto& idiom = idioms[rng() % idioms.size()];
            data.insert(data.end(), idiom.begin(), idiom.end());
            break;
        }
        case 3: {  // an address: base 0x00401000 plus a small offset
            const uint32_t address = 0x00401000u + (rng() % 0x8000u);
            for (int k = 0; k < 4; ++k) data.push_back(static_cast<uint8_t>(address >> (8 * k)));
            break;
        }
        case 4:
            data.insert(data.end(), rng() % 24, 0);
            break;
        default:
            data.push_back(static_cast<uint8_t>(rng()));
        }
    }
    data.resize(Size);
    return data;
}

// Half machine code, half text, in alternating chunks: the mix an installer carries.
inline std::vector<uint8_t> MixedBytes(size_t Size, uint32_t Seed) {
    std::vector<uint8_t> data;
    data.reserve(Size);
    uint32_t chunk = 0;
    while (data.size() < Size) {
        const size_t piece = 48 * 1024;
        auto part = chunk % 2 == 0 ? MachineCodeBytes(piece, Seed + chunk) : TextBytes(piece, Seed + chunk);
        data.insert(data.end(), part.begin(), part.end());
        ++chunk;
    }
    data.resize(Size);
    return data;
}
