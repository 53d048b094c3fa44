#include "PortableApi.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"

comtest::SPortableAnswer comtest::PortableCsvWrite(const std::string& strPath, const char* szSjis)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CbCCsvWrite(strPath.c_str(), szSjis);
    return {pResult->getResult(), pResult->getDetailErrorInfo()};
}
