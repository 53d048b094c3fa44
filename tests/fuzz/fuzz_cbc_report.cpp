// The CbC report CSV through both checks, both integrity checks and both
// conversions: the first and the second schema.
#include "FuzzSupport.h"

#include "api/CLCCsvConvDataCbC.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string strCsv = fuzzsupport::WriteInput("cbc_report.csv", pData, nSize);
    CLCCsvConvDataCbC api;
    api.CbCReportCsvCheck(strCsv.c_str());
    api.CbCReportIntegrityCheck(strCsv.c_str(), "4010001234567");
    api.CsvConvCbCReportData(strCsv.c_str(), "");
    api.CbCReportCsvCheck2(strCsv.c_str());
    api.CbCReportIntegrityCheck2(strCsv.c_str(), "4010001234567");
    api.CsvConvCbCReportData2(strCsv.c_str(), "");
    return 0;
}
