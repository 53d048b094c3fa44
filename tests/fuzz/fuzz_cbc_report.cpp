// The CbC report CSV through its check, its integrity check and its
// conversion; the first byte chooses the schema (seeds: A first, B second).
#include "FuzzSupport.h"

#include "api/CLCCsvConvDataCbC.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    if (nSize == 0)
        return 0;
    const std::string strCsv = fuzzsupport::WriteInput("cbc_report.csv", pData + 1, nSize - 1);
    CLCCsvConvDataCbC api;
    if ((static_cast<uint8_t>(pData[0] - 'A') & 1) == 0) {
        api.CbCReportCsvCheck(strCsv.c_str());
        api.CbCReportIntegrityCheck(strCsv.c_str(), "4010001234567");
        api.CsvConvCbCReportData(strCsv.c_str(), "");
        return 0;
    }
    api.CbCReportCsvCheck2(strCsv.c_str());
    api.CbCReportIntegrityCheck2(strCsv.c_str(), "4010001234567");
    api.CsvConvCbCReportData2(strCsv.c_str(), "");
    return 0;
}
