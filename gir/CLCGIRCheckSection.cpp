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

int CLCGIRCheckSection::VisitChildren(CLCXDomNsxml* pDefine, const char* szName, const std::function<bool()>& fnChild)
{
    if (pDefine->MoveFirstChild() != 0)
        return -1;
    do {
        if (pDefine->GetNodeName() == szName && !fnChild())
            return 1;
    } while (pDefine->MoveNextSibling() == 0);
    return 0;
}

void CLCGIRCheckSection::Fatal(const char* szFunction, const char* szText)
{
    CLC_LOG(szFunction, szText);
    CLCValidResultGIR::instance()->SetFatalError();
}
