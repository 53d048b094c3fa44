#pragma once
#include "cbc/CLCCbCAppendixTable.h"

// The appendix-table records whose column 1 is "1".
class CLCCbCFinalParentCompany : public CLCCbCAppendixTable {};
