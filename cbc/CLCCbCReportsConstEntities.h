#pragma once
#include "cbc/CLCCbCCbCReport.h"

// The CbC report records of kind "4".
class CLCCbCReportsConstEntities : public CLCCbCCbCReport {};
