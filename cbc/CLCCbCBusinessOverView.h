#pragma once
#include "cbc/CLCCbCAppendixTable.h"

// The appendix-table records whose column 3 is "1".
class CLCCbCBusinessOverView : public CLCCbCAppendixTable {};
