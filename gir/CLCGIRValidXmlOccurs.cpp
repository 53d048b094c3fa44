#include "gir/CLCGIRValidXmlOccurs.h"

#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRPropertyManager.h"

#include <stdexcept>
#include <vector>

namespace {
constexpr const char* kFunction = "CLCGIRValidXmlOccurs::Validate";

CLCCbCMessage_t Fatal(const char* szText)
{
    CLC_LOG(kFunction, szText);
    CLCValidResultGIR::instance()->SetFatalError();
    return HE60000E;
}
} // namespace

CLCCbCMessage_t CLCGIRValidXmlOccurs::Validate()
{
    try {
        CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetEditDefDomData();
        if (pDefine == nullptr || pDefine->MoveRoot() != 0)
            return Fatal("定義体ルート要素取得に失敗しました。");
        CLCGIRDataManager* pData = CLCGIRDataManager::instance();
        CLCGIRContainer* pCurrent = pData->GetRootContainer();
        if (pCurrent == nullptr)
            return Fatal("XML構造リストルート要素取得に失敗しました。");

        CLCCbCMessage_t result = CBC_MSG_NONE;
        while (pCurrent != nullptr) {
            const CLCCbCMessage_t r = _validChildOccurs(pDefine, pCurrent);
            if (r != CBC_MSG_NONE)
                result = r;
            if (pCurrent->HasChild()) {
                const CLCGIRDataManager::SChildDefinition& definition = pData->ChildDefinition(pCurrent, pDefine);
                pCurrent = pCurrent->GetFirstChild();
                if (pCurrent->GetConfItemId().empty() || definition.OrderOf(pCurrent) < 0)
                    return Fatal("定義体子要素移動に失敗しました。");
                continue;
            }
            pCurrent = pData->MoveOnwards(pCurrent, pDefine);
        }
        return result;
    } catch (...) {
        return Fatal(kUnexpectedError);
    }
}

CLCCbCMessage_t CLCGIRValidXmlOccurs::_validChildOccurs(CLCXDomNsxml* pDefine, CLCGIRContainer* pContainer)
{
    const CLCGIRDataManager::SChildDefinition& definition =
        CLCGIRDataManager::instance()->ChildDefinition(pContainer, pDefine);
    const std::vector<std::string>& vecItemIds = definition.vecItemIds;
    if (vecItemIds.empty())
        return CBC_MSG_NONE;
    // One pass over the children, however many the definition lists; a child
    // the definition does not list here is counted nowhere.
    m_vecOccurs.assign(vecItemIds.size(), SOccurs());
    for (long i = 0; i < pContainer->GetChildCount(); ++i) {
        const CLCGIRContainer* pChild = pContainer->GetChild(i);
        const long lOrder = definition.OrderOf(pChild);
        if (lOrder < 0)
            continue;
        SOccurs& occurs = m_vecOccurs[static_cast<size_t>(lOrder)];
        if (occurs.llCount++ == 0)
            occurs.pFirst = pChild;
    }

    CLCCbCMessage_t result = CBC_MSG_NONE;
    for (size_t k = 0; k < vecItemIds.size(); ++k) {
        if (vecItemIds[k].empty()) {
            CLC_LOG("CLCGIRValidXmlOccurs::_validChildOccurs", "検証itemIdがブランク");
            throw std::invalid_argument("definition child without item id");
        }
        const SOccurs& occurs = m_vecOccurs[static_cast<size_t>(definition.vecFirstOfItem[k])];
        if (occurs.llCount < definition.vecMinCounts[k]) {
            SetResult(pContainer, HE60055E, 0);
            result = HE60055E;
        }
        if (occurs.llCount > definition.vecMaxCounts[k]) {
            SetResult(occurs.pFirst, HE60052E, 0);
            result = HE60052E;
        }
    }
    return result;
}
