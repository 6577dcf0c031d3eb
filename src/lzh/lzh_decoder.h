// Internal view of the decoder for tests and tools: its state, bit reader, code tree,
// position tables, token decoding and table management. The rest of the program uses
// lzh_unpack.h only.
#pragma once

#include "lzh/lzh_bit_reader.h"
#include "lzh/lzh_constants.h"
#include "lzh/lzh_model.h"
#include "lzh/lzh_position_tables.h"
#include "lzh/lzh_state.h"
#include "lzh/lzh_tables.h"
#include "lzh/lzh_token_decode.h"
#include "lzh/lzh_unpack.h"
