// The appendix table AIA120 through its check, its integrity check and its
// conversion.
#include "FuzzSupport.h"

#include "api/CLCCsvConvDataCbC.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string strCsv = fuzzsupport::WriteInput("aia120.csv", pData, nSize);
    CLCCsvConvDataCbC api;
    api.AppendixTableCsvCheck(strCsv.c_str());
    api.ReportIntegrityCheck(strCsv.c_str(), "1", "1", "2", "4010001234567", "", "6012001987654");
    api.CsvConvAppendixTableData(strCsv.c_str(), "Tesvant", "山田太郎", "");
    return 0;
}
