// The compressor that writes streams LzhUnpack reads back exactly. It keeps the decoder's
// adaptive model on its side, so every symbol is coded with the tree the decoder will hold.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// Called now and then with the number of input bytes consumed so far.
using LzhProgress = std::function<void(size_t done, size_t total)>;

// Compresses Size bytes at Data. Decoding the result with TotalBytes = Size yields the input.
std::vector<uint8_t> LzhPack(const uint8_t* Data, size_t Size, const LzhProgress& Progress = {});
