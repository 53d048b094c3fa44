#include "gir/CLCGIRValidCorrelation.h"

#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRCheckSection.h"
#include "gir/CLCGIRPropertyManager.h"
#include "gir/CLCGIRValidItem.h"

namespace {
constexpr const char* kRowPath = "//correlationCheck/valid";
} // namespace

CLCGIRValidCorrelation::CLCGIRValidCorrelation() = default;

CLCGIRValidCorrelation::~CLCGIRValidCorrelation() = default;

CLCCbCMessage_t CLCGIRValidCorrelation::Validate()
{
    try {
        if (!Initialize())
            return HE60000E;
        return CLCGIRValidItem::ValidateAll(m_vecItems);
    } catch (...) {
        CLCGIRCheckSection::Fatal("CLCGIRValidCorrelation::Validate", kUnexpectedError);
        return HE60000E;
    }
}

bool CLCGIRValidCorrelation::Initialize()
{
    static constexpr const char* kFunction = "CLCGIRValidCorrelation::Initialize";
    m_vecItems.clear();
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetCheckDefDomData();
    if (pDefine == nullptr) {
        CLCGIRCheckSection::Fatal(kFunction, "定義体ルート要素取得に失敗しました。");
        return false;
    }
    const long lRows = pDefine->GetNodeCount(kRowPath);
    for (long i = 0; i < lRows; ++i) {
        if (pDefine->MoveNode(kRowPath, i) != 0) {
            CLCGIRCheckSection::Fatal(kFunction, "定義体XPATHによる移動が想定外");
            return false;
        }
        std::unique_ptr<CLCGIRValidItem> pRule(CLCGIRValidItem::CreateCoItem(pDefine->GetAttribute("id")));
        if (!pRule) {
            CLC_LOG(kFunction, "相関チェック用検証アイテム作成失敗");   // the factory has recorded the fatal row
            return false;
        }
        if (!SetUpOuter(pRule.get()))
            return false;
        m_vecItems.push_back(std::move(pRule));
    }
    return true;
}

bool CLCGIRValidCorrelation::SetUpOuter(CLCGIRValidItem* pRule)
{
    // The next row is reached by its path, so the cursor is not moved back.
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetCheckDefDomData();
    return CLCGIRCheckSection::VisitChildren(pDefine, "outer", [&]() {
        CLCGIRValidItem* pOuter = CLCGIRValidItem::CreateCoItem(pDefine->GetAttribute("id"));
        if (pOuter == nullptr)
            CLC_LOG("CLCGIRValidCorrelation::SetUpOuter", "相関チェック用検証アイテム作成失敗");
        pRule->AddOuterItem(pOuter);
        return pOuter != nullptr;
    }) != 1;
}
