// Where a Windows executable's image ends in its file, so data appended after it (an earlier
// catalogue) can be cut off before a new one is appended.
#pragma once

#include <cstddef>
#include <cstdint>

// The length of the PE image at the start of File[0..Length): the end of the headers, of the
// furthest section data (PointerToRawData + SizeOfRawData), of the COFF symbol and string
// tables and of an attached certificate, whichever lies furthest.
// Raises Exception when the bytes are not a PE executable or its headers point past the end.
size_t PeImageEnd(const uint8_t* File, size_t Length);
