// ReadCSVFile on any file.
#include "FuzzSupport.h"

#include "api/CLCCsvConvDataCbC.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string strCsv = fuzzsupport::WriteInput("in.csv", pData, nSize);
    CLCCsvConvDataCbC api;
    api.ReadCSVFile(strCsv.c_str());
    return 0;
}
