#include "PortableApi.h"
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultCbC.h"

comtest::SPortableAnswer comtest::PortableCsvWrite(const std::string& strPath, const char* szSjis)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.CbCCsvWrite(strPath.c_str(), szSjis);
    return {pResult->getResult(), pResult->getDetailErrorInfo()};
}

comtest::SPortableAnswer comtest::PortableFolderPath(const std::string& strInitial)
{
    CLCCsvConvDataCbC api;
    const CLCCsvConvResultCbC* pResult = api.GetFolderPath(strInitial.c_str());
    if (pResult->getResult() == "E_FAIL")
        return {pResult->getResult(), pResult->getDetailErrorInfo()};
    return {pResult->getResult(), pResult->get_FolderPath()};
}
