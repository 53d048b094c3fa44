#pragma once
#include "cbc/CLCCbCCbCReport.h"

// The CbC report records of kind "3".
class CLCCbCReportsSummary : public CLCCbCCbCReport {};
