#pragma once
#include "cbc/CLCCbCAppendixTable.h"

// The appendix-table records whose column 2 is "1".
class CLCCbCCountryReport : public CLCCbCAppendixTable {};
