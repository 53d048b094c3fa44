#include "gir/CLCGIREditDefManager.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRDefinitionText.h"
#include <string>

bool CLCGIREditDefManager::CreateGIREditDefinition(unsigned short usId)
{
    static constexpr const char* kFunction = "CLCGIREditDefManager::CreateGIREditDefinition";
    try {
        if (usId == 0) {
            CLC_LOG(kFunction, "引数エラー。定義読込みに必要な情報が準備されていません。");
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
