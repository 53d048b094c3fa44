#pragma once
// For the API's own sources only, not for its callers.
#include "foundation/platform/CLCPlatformTraits.h"

// The log's function text of operations 11 to 19: the bare name, or in the
// Windows build the qualified one, as operations 1 to 10 always have it.
#define CLC_API_FUNCTION(name) (CLCPlatformTraits::kQualifiedApiFunctions ? "CLCCsvConvDataCbC::" name : name)
