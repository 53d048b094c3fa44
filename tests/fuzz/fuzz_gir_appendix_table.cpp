// The GIR appendix table AIA540 through its check and its conversion.
#include "FuzzSupport.h"

#include "api/CLCCsvConvDataCbC.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string strCsv = fuzzsupport::WriteInput("aia540.csv", pData, nSize);
    CLCCsvConvDataCbC api;
    api.GIRAppendixTableCsvCheck(strCsv.c_str(), "1", "4010001234567");
    api.CsvConvGIRAppendixTableData(strCsv.c_str(), "Tesvant", "山田太郎", "");
    return 0;
}
