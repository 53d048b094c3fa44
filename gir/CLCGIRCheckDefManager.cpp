#include "gir/CLCGIRCheckDefManager.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRDefinitionText.h"
#include <string>

bool CLCGIRCheckDefManager::CreateGIRCheckDefinition(unsigned short usId)
{
    static constexpr const char* kFunction = "CLCGIRCheckDefManager::CreateGIRCheckDefinition";
    try {
        if (usId == 0) {
            CLC_LOG(kFunction, "定義読込みに必要な情報が準備されていません。");
            return false;
        }
        m_domData.Terminate();
        std::string strText;
        if (!CLCGIRDefinitionText::Read(usId, kFunction, strText))
            return false;
        return m_domData.Parse(strText.c_str());
    } catch (...) {
        CLCValidResultGIR::instance()->SetFatalError();
        CLC_LOG(kFunction, "想定しないエラーが発生しました。");
        return false;
    }
}
