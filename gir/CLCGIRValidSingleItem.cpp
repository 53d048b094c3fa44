#include "gir/CLCGIRValidSingleItem.h"

#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRCheckSection.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRPropertyManager.h"

namespace {
constexpr long long kFirstColumn = 1;
constexpr long long kLastColumn = 6;

// A GIR CSV column number 1 to 6, or 0 for anything else.
long ColumnOf(CLCXDomNsxml* pDefine)
{
    const long long llColumn = CLCCbCValidItem::DecimalValue(pDefine->GetAttribute("column").c_str());
    return llColumn >= kFirstColumn && llColumn <= kLastColumn ? static_cast<long>(llColumn) : 0;
}
// A rule of the rule engine from the cursor's valid or outer element; its
// columns are the GIR CSV's own numbers. Null after the fatal row.
CLCCbCValidItem* CreateRule(CLCXDomNsxml* pDefine, long lColumn, CLCCbCMessage_t message)
{
    return CLCCbCValidItem::CreateItem(lColumn, pDefine->GetAttribute("id").c_str(),
                                       pDefine->GetAttribute("value").c_str(), pDefine->GetAttribute("min").c_str(),
                                       pDefine->GetAttribute("max").c_str(), message);
}
} // namespace

CLCGIRValidSingleItem::CLCGIRValidSingleItem() = default;

CLCGIRValidSingleItem::~CLCGIRValidSingleItem()
{
    Clear();
}

void CLCGIRValidSingleItem::Clear()
{
    m_vecItems.clear();
}

CLCCbCMessage_t CLCGIRValidSingleItem::Validate()
{
    static constexpr const char* kFunction = "CLCGIRValidSingleItem::Validate";
    try {
        Clear();
        CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetCheckDefDomData();
        if (!CLCGIRCheckSection::MoveToFirstRow(pDefine, "singleItemCheck",
                                                "定義体から単項目チェック親要素が取得できなかった",
                                                "定義体  単項目チェック要素に移動できませんでした。"))
            return HE60000E;
        CLCGIRDataManager* pData = CLCGIRDataManager::instance();
        CLCCbCMessage_t result = CBC_MSG_NONE;
        do {
            const std::vector<CLCGIRContainer*> vecContainers = pData->FindCheckList(pDefine->GetAttribute("itemId"));
            if (vecContainers.empty())
                continue;
            if (!Initialize(vecContainers.front(), pDefine))
                return HE60000E;
            for (CLCGIRContainer* pContainer : vecContainers) {
                const CLCCbCMessage_t r = ValidateItem(pContainer);
                if (r == HE60000E)
                    return r;
                if (r != CBC_MSG_NONE)
                    result = r;
            }
            Clear();
            if (pDefine->MoveParent() != 0) {
                CLCGIRCheckSection::Fatal(kFunction, "定義体親要素移動に失敗しました。");
                return HE60000E;
            }
        } while (pDefine->MoveNextSibling() == 0);
        return result;
    } catch (...) {
        CLCGIRCheckSection::Fatal(kFunction, kUnexpectedError);
        return HE60000E;
    }
}

bool CLCGIRValidSingleItem::Initialize(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine)
{
    static constexpr const char* kFunction = "CLCGIRValidSingleItem::Initialize";
    Clear();
    const long lColumn = ColumnOf(pDefine);
    if (lColumn == 0) {
        CLCGIRCheckSection::Fatal(kFunction, "定義体カラム番号異常");
        return false;
    }
    const int nVisit = CLCGIRCheckSection::VisitChildren(pDefine, "valid", [&]() {
        const CLCCbCMessage_t message = CLCCbCCommon::ConvMsgStr2Enum(pDefine->GetAttribute("messageId"));
        // CreateItem records the fatal row for an unknown keyword.
        std::unique_ptr<CLCCbCValidItem> pRule(CreateRule(pDefine, lColumn, message));
        if (!pRule)
            return false;
        const long long llAssist = CLCCbCValidItem::DecimalValue(pDefine->GetAttribute("assist").c_str());
        pRule->SetAssistColNum(static_cast<long>(llAssist));
        if (!SetUpOuter(pContainer, pRule.get()))
            return false;
        m_vecItems.push_back(std::move(pRule));
        return true;
    });
    if (nVisit < 0) {
        CLCGIRCheckSection::Fatal(kFunction, "定義体VALIDノード異常");
        return false;
    }
    return nVisit == 0;
}

bool CLCGIRValidSingleItem::SetUpOuter(CLCGIRContainer* /*pContainer*/, CLCCbCValidItem* pRule)
{
    static constexpr const char* kFunction = "CLCGIRValidSingleItem::SetUpOuter";
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetCheckDefDomData();
    const int nVisit = CLCGIRCheckSection::VisitChildren(pDefine, "outer", [&]() {
        const long lColumn = ColumnOf(pDefine);
        if (lColumn == 0) {
            CLCGIRCheckSection::Fatal(kFunction, "定義体column異常");
            return false;
        }
        CLCCbCValidItem* pOuter = CreateRule(pDefine, lColumn, CBC_MSG_NONE);
        pRule->AddOuterItem(pOuter);
        return pOuter != nullptr;
    });
    if (nVisit < 0)
        return true;
    if (pDefine->MoveParent() != 0) {
        CLCGIRCheckSection::Fatal(kFunction, "outerタグレベルから一段上位に戻る処理に失敗");
        return false;
    }
    return nVisit == 0;
}

CLCCbCMessage_t CLCGIRValidSingleItem::ValidateItem(CLCGIRContainer* pContainer)
{
    try {
        for (const auto& pRule : m_vecItems) {
            const CLCCbCMessage_t r = pRule->ValidateCsv(pContainer);
            if (r != CBC_MSG_NONE)
                return r;
        }
        return CBC_MSG_NONE;
    } catch (...) {
        CLCGIRCheckSection::Fatal("CLCGIRValidSingleItem::ValidateItem", kUnexpectedError);
        return HE60000E;
    }
}
