#include "gir/CLCGIRDefinitionText.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"

bool CLCGIRDefinitionText::Read(unsigned short usId, const char* szFunction, std::string& strText)
{
    strText = CLCCbCCommon::LoadDefinitionText(usId);
    if (!strText.empty())
        return true;
    CLCValidResultGIR::instance()->SetFatalError();
    CLC_LOG(szFunction, kUnexpectedError);
    return false;
}

bool CLCGIRDefinitionText::LoadDom(unsigned short usId, const char* szFunction, const char* szMissingIdLog,
                                   CLCXDomNsxml& dom)
{
    try {
        if (usId == 0) {
            CLC_LOG(szFunction, szMissingIdLog);
            return false;
        }
        dom.Terminate();
        std::string strText;
        if (!Read(usId, szFunction, strText))
            return false;
        return dom.Parse(strText.c_str());
    } catch (...) {
        CLCValidResultGIR::instance()->SetFatalError();
        CLC_LOG(szFunction, kUnexpectedError);
        return false;
    }
}
