#pragma once
#include "cbc/CLCCbCCbCReport.h"

// The CbC report records of kind "1".
class CLCCbCMessageSpec : public CLCCbCCbCReport {};
