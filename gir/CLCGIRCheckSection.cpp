#include "gir/CLCGIRCheckSection.h"

#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"

bool CLCGIRCheckSection::MoveToFirstRow(CLCXDomNsxml* pDefine, const char* szSection, const char* szNoSection,
                                        const char* szNoRow)
{
    static constexpr const char* kFunction = "CLCGIRCheckSection::MoveToFirstRow";
    if (pDefine == nullptr || pDefine->MoveRoot() != 0) {
        Fatal(kFunction, "定義体ルート要素取得に失敗しました。");
        return false;
    }
    if (pDefine->MoveFirstChild() != 0) {
        Fatal(kFunction, "定義体ルート子要素取得に失敗しました。");
        return false;
    }
    while (pDefine->GetNodeName() != szSection) {
        if (pDefine->MoveNextSibling() != 0) {
            Fatal(kFunction, szNoSection);
            return false;
        }
    }
    if (pDefine->MoveFirstChild() != 0) {
        Fatal(kFunction, szNoRow);
        return false;
    }
    return true;
}

void CLCGIRCheckSection::Fatal(const char* szFunction, const char* szText)
{
    CLC_LOG(szFunction, szText);
    CLCValidResultGIR::instance()->SetFatalError();
}
