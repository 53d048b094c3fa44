#pragma once
#include "cbc/CLCCbCCbCReport.h"

// The CbC report records of kind "2".
class CLCCbCReportingEntity : public CLCCbCCbCReport {};
