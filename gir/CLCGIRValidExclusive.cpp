#include "gir/CLCGIRValidExclusive.h"

#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRCheckSection.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRPropertyManager.h"
#include "gir/CLCGIRValidItem.h"

namespace {
constexpr const char* kNotMade = "排他要素等検証アイテム作成失敗";
} // namespace

CLCGIRValidExclusive::CLCGIRValidExclusive() = default;

CLCGIRValidExclusive::~CLCGIRValidExclusive() = default;

CLCCbCMessage_t CLCGIRValidExclusive::Validate()
{
    try {
        if (!Initialize())
            return HE60000E;
        return CLCGIRValidItem::ValidateAll(m_vecItems);
    } catch (...) {
        CLCGIRCheckSection::Fatal("CLCGIRValidExclusive::Validate", kUnexpectedError);
        return HE60000E;
    }
}

bool CLCGIRValidExclusive::Initialize()
{
    static constexpr const char* kFunction = "CLCGIRValidExclusive::Initialize";
    m_vecItems.clear();
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetCheckDefDomData();
    if (!CLCGIRCheckSection::MoveToFirstRow(pDefine, "exclusiveItemCheck",
                                            "定義体から排他チェック親要素が取得できなかった",
                                            "定義体  排他チェック要素取得に失敗しました。"))
        return false;
    CLCGIRDataManager* pData = CLCGIRDataManager::instance();
    do {
        const std::string strKind = pDefine->GetAttribute("id");
        // The row is read for its first parent; the others get copies.
        const CLCGIRValidItem* pModel = nullptr;
        for (CLCGIRContainer* pParent : pData->FindCheckList(pDefine->GetAttribute("parentItemId"))) {
            if (strKind == "contain") {
                CLCGIRCheckSection::Fatal(kFunction, kNotMade);
                return false;
            }
            std::unique_ptr<CLCGIRValidItem> pRule = pModel != nullptr ? pModel->CloneFor(pParent) : nullptr;
            if (!pRule) {
                pRule.reset(CLCGIRValidItem::CreateExItem(strKind, pParent));
                if (!pRule) {
                    CLC_LOG(kFunction, kNotMade);   // the factory has recorded the fatal row
                    return false;
                }
                if (!SetUpOuter(pParent, pRule.get())) {
                    CLC_LOG(kFunction, "外部検証アイテム作成失敗");
                    return false;
                }
            }
            pModel = pRule.get();
            m_vecItems.push_back(std::move(pRule));
        }
    } while (pDefine->MoveNextSibling() == 0);
    return true;
}

bool CLCGIRValidExclusive::SetUpOuter(CLCGIRContainer* pContainer, CLCGIRValidItem* pRule)
{
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetCheckDefDomData();
    const int nVisit = CLCGIRCheckSection::VisitChildren(pDefine, "outer", [&]() {
        CLCGIRValidItem* pOuter = CLCGIRValidItem::CreateExItem(pDefine->GetAttribute("id"), pContainer);
        pRule->AddOuterItem(pOuter);
        return pOuter != nullptr;
    });
    if (nVisit < 0)
        return true;
    if (pDefine->MoveParent() != 0) {
        CLCGIRCheckSection::Fatal("CLCGIRValidExclusive::SetUpOuter", "定義体親要素移動に失敗しました。");
        return false;
    }
    return nVisit == 0;
}
