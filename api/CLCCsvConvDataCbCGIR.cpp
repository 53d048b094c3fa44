// The three GIR folder operations. Until the GIR controller is in place they
// answer E_FAIL with the fatal row under "その他".
#include "api/CLCCsvConvDataCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCValidResult.h"

#include <string>

namespace {
CLCCsvConvResultGIR* NotBuilt(CLCCsvConvResultGIR* pResult)
{
    CLCCbCCommon::setExecMode(CLCCbCCommon::EXEC_MODE_GIR);
    pResult->put_Result("E_FAIL");
    pResult->clearDetailErrorInfo();
    pResult->addFileName(CLCValidResultGIR::kOtherFile);
    pResult->addDetailErrorInfo("00000000-00000-HE60000E");
    return pResult;
}
} // namespace

CLCCsvConvResultGIR* CLCCsvConvDataCbC::ResultGIR()
{
    if (!m_pResultGIR)
        m_pResultGIR = std::make_unique<CLCCsvConvResultGIR>();
    return m_pResultGIR.get();
}

CLCCsvConvResultGIR* CLCCsvConvDataCbC::GIRCsvCheck(const char*, const char*)
{
    CLCCsvConvResultGIR* pResult = NotBuilt(ResultGIR());
    pResult->put_GIRData("");
    return pResult;
}

CLCCsvConvResultGIR* CLCCsvConvDataCbC::CsvConvGIRData(const char*, const char*)
{
    CLCCsvConvResultGIR* pResult = NotBuilt(ResultGIR());
    pResult->put_GIRData("");
    return pResult;
}

CLCCsvConvResultGIR* CLCCsvConvDataCbC::GIRFolderCheck(const char*)
{
    CLCCsvConvResultGIR* pResult = NotBuilt(ResultGIR());
    pResult->put_FileName("");
    return pResult;
}
