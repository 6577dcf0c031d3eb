#include "lzh/lzh_model.h"

void LzhStartModel() { LzhTreeStart(LzhFreq, LzhParent, LzhChild); }

void LzhRebuildModel() { LzhTreeRebuild(LzhFreq, LzhParent, LzhChild); }
