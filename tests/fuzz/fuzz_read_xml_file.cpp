// ReadXMLFile on any file, without and with a size limit.
#include "FuzzSupport.h"

#include "api/CLCCsvConvDataCbC.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize)
{
    const std::string strXml = fuzzsupport::WriteInput("in.xml", pData, nSize);
    CLCCsvConvDataCbC api;
    api.ReadXMLFile(strXml.c_str(), -1);
    api.ReadXMLFile(strXml.c_str(), static_cast<long>(nSize / 2));
    return 0;
}
