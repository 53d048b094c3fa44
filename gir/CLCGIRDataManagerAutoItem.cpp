// The order of the children of every node against the edit definition, and
// the elements the system adds itself (autoItem="1").
#include "gir/CLCGIRDataManager.h"

#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRContainerExt.h"

#include <map>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace {
constexpr const char* kAutoItem = "1";

void Report(const CLCGIRContainer* pContainer, CLCCbCMessage_t message)
{
    CLCValidResultGIR::instance()->SetResult(pContainer->GetCSVFileName(), message, pContainer->GetCSVLineNumber(), 0,
                                             -1);
}

// Destroys an order table's rows however the step is left.
class COrderTableGuard {
public:
    COrderTableGuard(CLCGIRDataManager& manager, std::vector<CLCGIRContainerExt*>& vecTable)
        : m_manager(manager), m_vecTable(vecTable)
    {
    }
    ~COrderTableGuard() { m_manager.DeleteOrderTable(m_vecTable); }
    COrderTableGuard(const COrderTableGuard&) = delete;
    COrderTableGuard& operator=(const COrderTableGuard&) = delete;

private:
    CLCGIRDataManager& m_manager;
    std::vector<CLCGIRContainerExt*>& m_vecTable;
};
} // namespace

bool CLCGIRDataManager::CreateAutoItem()
{
    static constexpr const char* kFunction = "CLCGIRDataManager::CreateAutoItem";
    try {
        CLCGIRContainer* pNode = nullptr;
        CLCXDomNsxml* pDefine = StartWalk(kFunction, pNode);
        if (pDefine == nullptr)
            return false;
        bool bOk = true;
        while (pNode != nullptr) {
            {
                std::vector<CLCGIRContainerExt*> vecTable;
                COrderTableGuard guard(*this, vecTable);
                vecTable = CreateOrderTable(pNode, pDefine);
                // Both checks always run, so one pass reports both kinds of fault.
                const bool bOrder = CheckOrderAppearance(vecTable);
                const bool bAuto = CheckAutoItem(vecTable);
                if (bOrder && bAuto) {
                    if (!InsertAutoItem(pNode, pDefine, vecTable))
                        return false;
                } else {
                    bOk = false;
                }
            }
            // Into the first child with an element (generated ones included), else onwards.
            const SChildDefinition& definition = ChildDefinition(pNode, pDefine);
            CLCGIRContainer* pEntered = nullptr;
            for (long i = 0; i < pNode->GetChildCount() && pEntered == nullptr; ++i) {
                if (definition.HasChild(pNode->GetChild(i)))
                    pEntered = pNode->GetChild(i);
            }
            pNode = pEntered != nullptr ? pEntered : MoveOnwards(pNode, pDefine);
        }
        DumpContainers(CLCDebugDump::DumpStage::CreateAutoItem);
        return bOk;
    } catch (...) {
        RecordFatal(kFunction, kUnexpectedError);
        return false;
    }
}

std::vector<CLCGIRContainerExt*> CLCGIRDataManager::CreateOrderTable(CLCGIRContainer* pContainer,
                                                                     CLCXDomNsxml* pDefine)
{
    const SChildDefinition& definition = ChildDefinition(pContainer, pDefine);
    const std::vector<std::string>& vecAutos = definition.vecAutoItems;
    std::vector<CLCGIRContainerExt*> vecTable;
    COrderTableGuard guard(*this, vecTable);
    vecTable.reserve(static_cast<size_t>(pContainer->GetChildCount()));
    for (long i = 0; i < pContainer->GetChildCount(); ++i) {
        std::unique_ptr<CLCGIRContainerExt> pRow;
        if (m_vecSpareRows.empty()) {
            pRow = std::make_unique<CLCGIRContainerExt>();
        } else {
            pRow = std::move(m_vecSpareRows.back());
            m_vecSpareRows.pop_back();
            pRow->SetOrderNumber(-1);
            pRow->SetAutoItem(std::string());
        }
        pRow->SetContainer(pContainer->GetChild(i));
        const long lOrder = definition.OrderOf(pRow->GetContainer());
        if (lOrder >= 0) {
            pRow->SetOrderNumber(lOrder);
            pRow->SetAutoItem(vecAutos.at(static_cast<size_t>(lOrder)));
        }
        vecTable.push_back(pRow.release());   // room reserved: cannot throw
    }
    std::vector<CLCGIRContainerExt*> vecResult;
    vecResult.swap(vecTable);   // the guard now holds an empty table
    return vecResult;
}

bool CLCGIRDataManager::CheckOrderAppearance(const std::vector<CLCGIRContainerExt*>& vecOrderTable)
{
    const CLCGIRContainerExt* pPrevious = nullptr;
    for (const CLCGIRContainerExt* pRow : vecOrderTable) {
        if (pRow->IsAutoItem())
            continue;   // reported by CheckAutoItem
        if (pPrevious != nullptr && pPrevious->GetOrderNumber() > pRow->GetOrderNumber()) {
            Report(pRow->GetContainer(), HE60050E);
            CLC_LOG("CLCGIRDataManager::CheckOrderAppearance", "記録されている順番に誤りがある。");
            return false;
        }
        pPrevious = pRow;
    }
    return true;
}

bool CLCGIRDataManager::CheckAutoItem(const std::vector<CLCGIRContainerExt*>& vecOrderTable)
{
    bool bOk = true;
    for (const CLCGIRContainerExt* pRow : vecOrderTable) {
        if (!pRow->IsAutoItem())
            continue;
        Report(pRow->GetContainer(), HE60051E);
        CLC_LOG("CLCGIRDataManager::CheckAutoItem", "入力が不要な項目である。");
        bOk = false;
    }
    return bOk;
}

bool CLCGIRDataManager::InsertAutoItem(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine,
                                       const std::vector<CLCGIRContainerExt*>& vecOrderTable)
{
    static constexpr const char* kFunction = "CLCGIRDataManager::InsertAutoItem";
    const SChildDefinition& definition = ChildDefinition(pContainer, pDefine);
    for (size_t k = 0; k < definition.vecAutoItemNodes.size(); ++k) {
        if (definition.vecAutoItems[k] != kAutoItem)
            continue;
        const SAutoItemNode& item = definition.vecAutoItemNodes[k];
        if (!item.bFound) {
            // A consistent definition never gets here: the item is left out.
            CLC_LOG(kFunction, "自動生成要素の定義体要素に移動できませんでした。");
            continue;
        }
        std::unique_ptr<CLCGIRContainer> pItem(CreateAutoItem(pContainer, item));
        // Before the first given child that the definition puts after it, else last.
        const CLCGIRContainerExt* pBefore = nullptr;
        for (const CLCGIRContainerExt* pRow : vecOrderTable) {
            if (pRow->GetOrderNumber() > static_cast<long>(k)) {
                pBefore = pRow;
                break;
            }
        }
        if (pBefore != nullptr) {
            if (!pBefore->GetContainer()->InsertPreviousSibling(pItem.get())) {
                RecordFatal(kFunction, "自動生成要素挿入に失敗しました。");
                return false;
            }
        } else if (vecOrderTable.empty()) {
            pContainer->AddChild(pItem.get());
        } else {
            vecOrderTable.back()->GetContainer()->AddLastSibling(pItem.get());
        }
        (void)pItem.release();   // the tree holds it now
    }
    return true;
}

CLCGIRContainer* CLCGIRDataManager::CreateAutoItem(CLCGIRContainer* pParent, const SAutoItemNode& item)
{
    const long long llLevel = CLCCbCValidItem::DecimalValue(pParent->GetHierarchyNumber().c_str()) + 1;
    auto pNode = std::make_unique<CLCGIRContainer>(0, 0, 0, 0, "", item.strName, item.strValue,
                                                   item.astrAttrValue[0], item.astrAttrValue[1],
                                                   item.astrAttrValue[2], std::to_string(llLevel));
    // Made already mapped: the settings of the element it stands for.
    pNode->SetEditConf(item.pConf);
    return pNode.release();
}

void CLCGIRDataManager::DeleteOrderTable(std::vector<CLCGIRContainerExt*>& vecOrderTable)
{
    // Enough spares for the children of an ordinary node; a parent of very
    // many children gives the rest back.
    constexpr size_t kMaxSpareRows = 4096;
    for (CLCGIRContainerExt*& pRow : vecOrderTable) {
        std::unique_ptr<CLCGIRContainerExt> pOwned(pRow);
        pRow = nullptr;
        if (m_vecSpareRows.size() >= kMaxSpareRows)
            continue;
        try {
            m_vecSpareRows.push_back(std::move(pOwned));   // else destroyed here
        } catch (const std::bad_alloc&) {
        }
    }
    vecOrderTable.clear();
}
