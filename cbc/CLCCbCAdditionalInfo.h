#pragma once
#include "cbc/CLCCbCCbCReport.h"

// The CbC report records of kind "5".
class CLCCbCAdditionalInfo : public CLCCbCCbCReport {};
