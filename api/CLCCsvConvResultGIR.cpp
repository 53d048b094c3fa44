#include "api/CLCCsvConvResultGIR.h"

void CLCCsvConvResultGIR::clearDetailErrorInfo()
{
    m_vecErrFileName.clear();
    m_vecDetailErrInfo.clear();
}

bool CLCCsvConvResultGIR::addFileName(std::string str)
{
    m_vecErrFileName.push_back(std::move(str));
    return true;
}

bool CLCCsvConvResultGIR::addDetailErrorInfo(std::string str)
{
    m_vecDetailErrInfo.push_back(std::move(str));
    return true;
}

bool CLCCsvConvResultGIR::Clear()
{
    m_strResult.clear();
    m_strGIRData.clear();
    m_strFileName.clear();
    clearDetailErrorInfo();
    return true;
}
