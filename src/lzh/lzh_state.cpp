#include "lzh/lzh_state.h"

uint16_t LzhBitBuffer = 0;
uint8_t LzhBitCount = 0;
uint8_t* LzhWindow = nullptr;
uint16_t* LzhFreq = nullptr;
uint16_t* LzhParent = nullptr;
uint16_t* LzhChild = nullptr;
