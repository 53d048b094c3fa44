#include "gir/CLCGIRDefinitionText.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

bool CLCGIRDefinitionText::Read(unsigned short usId, const char* szFunction, std::string& strText)
{
    const std::string strPath = CLCCbCCommon::LoadResoucePath(usId, "DEFINITION");
    strText = CLCCbCCommon::ReadCsvFileData(strPath.c_str());
    if (!strText.empty())
        return true;
    CLCValidResultGIR::instance()->SetFatalError();
    CLC_LOG(szFunction, "想定しないエラーが発生しました。");
    return false;
}
