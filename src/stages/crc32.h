// CRC-32 as zip and PNG use it (reflected, polynomial 0xEDB88320), computed incrementally.
#pragma once

#include <cstddef>
#include <cstdint>

class TCrc32 {
public:
    void Add(const void* data, size_t length) noexcept;
    uint32_t Value() const noexcept { return ~state_; }

private:
    uint32_t state_ = 0xFFFFFFFFu;
};
