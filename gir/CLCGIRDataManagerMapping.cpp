// The mapping of the container tree onto the edit definition (210), the
// definition as the walks read it (once per run), and the moves that keep a
// walk and the definition's cursor in step for a caller that walks so.
#include "gir/CLCGIRDataManager.h"

#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRPropertyManager.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <limits>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {
constexpr long kHierarchyColumn = 6;

// The sixteen settings of an element, in the order SetEditConf takes them.
constexpr const char* kConfAttributes[] = {
    "itemId", "nameSpace",       "dataType",   "minOccur", "maxOccur",        "attr",       "attrValueColumn",
    "attrValue", "attr2",        "attrValueColumn2", "attrValue2", "attr3", "attrValueColumn3", "attrValue3",
    "autoItem", "value"};
using SEditConf = std::array<std::string, std::size(kConfAttributes)>;
static_assert(std::tuple_size<SEditConf>::value == CLCGIREditConf::kFieldCount, "the sixteen Conf fields");

SEditConf ReadEditConf(CLCXDomNsxml* pDefine)
{
    SEditConf conf;
    for (size_t i = 0; i < conf.size(); ++i)
        conf[i] = pDefine->GetAttribute(kConfAttributes[i]);
    return conf;
}
} // namespace

void CLCGIRDataManager::ReportNoElement(const CLCGIRContainer* pContainer, const char* szFunction,
                                        const char* szMessage)
{
    CLCValidResultGIR::instance()->SetResult(pContainer->GetCSVFileName(), HE60049E,
                                             pContainer->GetCSVLineNumber(), kHierarchyColumn, -1);
    CLC_LOG(szFunction, szMessage);
}

CLCXDomNsxml* CLCGIRDataManager::StartWalk(const char* szFunction, CLCGIRContainer*& pRoot)
{
    CLCXDomNsxml* pDefine = CLCGIRPropertyManager::instance()->GetEditDefDomData();
    if (pDefine == nullptr || pDefine->MoveRoot() != 0) {
        RecordFatal(szFunction, "定義体ルート要素取得に失敗しました。");
        return nullptr;
    }
    pRoot = GetRootContainer();
    if (pRoot == nullptr) {
        RecordFatal(szFunction, "XML構造リストルート要素取得に失敗しました。");
        return nullptr;
    }
    return pDefine;
}

void CLCGIRDataManager::SetEditConfFromDefine(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine)
{
    auto pConf = std::make_shared<CLCGIREditConf>();
    pConf->astrValue = ReadEditConf(pDefine);
    pContainer->SetEditConf(std::move(pConf));
}

std::shared_ptr<const CLCGIREditConf> CLCGIRDataManager::ShareEditConf(CLCXDomNsxml* pDefine)
{
    SEditConf conf = ReadEditConf(pDefine);
    auto it = m_mapEditConf.find(conf);
    if (it == m_mapEditConf.end()) {
        auto pConf = std::make_shared<CLCGIREditConf>();
        pConf->astrValue = conf;
        it = m_mapEditConf.emplace(std::move(conf), std::move(pConf)).first;
    }
    return it->second;
}

long CLCGIRDataManager::SChildDefinition::PlaceOfConf(const CLCGIREditConf* pConf) const
{
    for (size_t k = 0; pConf != nullptr && k < vecChildConfs.size(); ++k) {
        if (vecChildConfs[k].get() == pConf)
            return static_cast<long>(k);
    }
    return -1;
}

long CLCGIRDataManager::SChildDefinition::OrderOf(const CLCGIRContainer* pNode) const
{
    const long lPlace = PlaceOfConf(pNode->GetEditConf().get());
    if (lPlace >= 0)
        return vecFirstOfItem[static_cast<size_t>(lPlace)];
    const auto it = mapOrder.find(pNode->GetConfItemId());
    return it != mapOrder.end() ? it->second : -1;
}

bool CLCGIRDataManager::SChildDefinition::HasChild(const CLCGIRContainer* pNode) const
{
    return PlaceOfConf(pNode->GetEditConf().get()) >= 0
           || std::find(vecNames.begin(), vecNames.end(), pNode->GetElementName()) != vecNames.end();
}

const std::shared_ptr<const CLCGIREditConf>* CLCGIRDataManager::SChildDefinition::ConfNamed(
    const std::string& strName) const
{
    const auto it = std::find(vecNames.begin(), vecNames.end(), strName);
    if (it == vecNames.end())
        return nullptr;
    const std::shared_ptr<const CLCGIREditConf>& pConf = vecChildConfs[static_cast<size_t>(it - vecNames.begin())];
    return pConf ? &pConf : nullptr;
}

CLCGIRDataManager::SChildDefinition CLCGIRDataManager::ReadChildDefinition(CLCXDomNsxml* pDefine)
{
    SChildDefinition definition;
    definition.vecNames = pDefine->GetChildNodeNames();
    definition.vecItemIds = pDefine->GetChildAttributes("itemId");
    definition.vecAutoItems = pDefine->GetChildAttributes("autoItem");
    definition.vecMinOccurs = pDefine->GetChildAttributes("minOccur");
    definition.vecMaxOccurs = pDefine->GetChildAttributes("maxOccur");
    for (size_t k = 0; k < definition.vecItemIds.size(); ++k)
        definition.mapOrder.emplace(definition.vecItemIds[k], static_cast<long>(k));
    for (const std::string& strItemId : definition.vecItemIds)
        definition.vecFirstOfItem.push_back(definition.mapOrder.find(strItemId)->second);
    for (const std::string& strMin : definition.vecMinOccurs)
        definition.vecMinCounts.push_back(CLCCbCValidItem::DecimalValue(strMin.c_str()));
    for (const std::string& strMax : definition.vecMaxOccurs)
        definition.vecMaxCounts.push_back(strMax == "N" ? std::numeric_limits<long long>::max()
                                                         : CLCCbCValidItem::DecimalValue(strMax.c_str()));
    definition.vecAutoItemNodes.resize(definition.vecAutoItems.size());
    for (size_t k = 0; k < definition.vecAutoItems.size() && k < definition.vecNames.size(); ++k) {
        if (definition.vecAutoItems[k] != "1" || pDefine->MoveChildNodeName(definition.vecNames[k].c_str()) != 0)
            continue;
        SAutoItemNode& item = definition.vecAutoItemNodes[k];
        item.bFound = true;
        item.strName = pDefine->GetNodeName();
        item.strValue = pDefine->GetAttribute("value");
        item.astrAttrValue = {pDefine->GetAttribute("attrValue"), pDefine->GetAttribute("attrValue2"),
                              pDefine->GetAttribute("attrValue3")};
        item.pConf = ShareEditConf(pDefine);
        if (pDefine->MoveParent() != 0) {
            RecordFatal("CLCGIRDataManager::ReadChildDefinition", "定義体親要素移動に失敗しました。");
            throw std::runtime_error("definition cursor lost");
        }
    }
    return definition;
}

std::shared_ptr<const CLCGIREditConf> CLCGIRDataManager::ReadDefinitionTree(CLCXDomNsxml* pDefine)
{
    const std::shared_ptr<const CLCGIREditConf> pConf = ShareEditConf(pDefine);
    m_dqDefinitions.push_back(ReadChildDefinition(pDefine));
    SChildDefinition* pDefinition = &m_dqDefinitions.back();
    // An element is found by its name below its parent, so the first of a
    // name is the one every walk reaches.
    m_mapDefinitionByItemId.emplace(pConf->astrValue[CLCGIREditConf::ItemId], pDefinition);
    m_mapChildDefinition.emplace(pConf, pDefinition);
    pDefinition->vecChildConfs.assign(pDefinition->vecNames.size(), nullptr);
    for (size_t k = 0; k < pDefinition->vecNames.size(); ++k) {
        const std::string& strName = pDefinition->vecNames[k];
        if (std::find(pDefinition->vecNames.begin(), pDefinition->vecNames.begin() + k, strName)
                != pDefinition->vecNames.begin() + k
            || pDefine->MoveChildNodeName(strName.c_str()) != 0)
            continue;
        pDefinition->vecChildConfs[k] = ReadDefinitionTree(pDefine);
        if (pDefine->MoveParent() != 0) {
            RecordFatal("CLCGIRDataManager::ReadDefinitionTree", "定義体親要素移動に失敗しました。");
            throw std::runtime_error("definition cursor lost");
        }
    }
    return pConf;
}

const CLCGIRDataManager::SChildDefinition& CLCGIRDataManager::ChildDefinition(const CLCGIRContainer* pNode,
                                                                            CLCXDomNsxml* pDefine)
{
    const std::shared_ptr<const CLCGIREditConf>& pConf = pNode->GetEditConf();
    SDefinitionHit& hit =
        m_aDefinitionHits[(reinterpret_cast<std::uintptr_t>(pConf.get()) >> 4) % m_aDefinitionHits.size()];
    if (pConf && pConf.get() == hit.pConf)
        return *hit.pDefinition;
    if (m_dqDefinitions.empty()) {
        if (pDefine == nullptr || pDefine->MoveRoot() != 0) {
            RecordFatal("CLCGIRDataManager::ChildDefinition", "定義体ルート要素取得に失敗しました。");
            throw std::runtime_error("no definition root");
        }
        ReadDefinitionTree(pDefine);
    }
    auto it = pConf ? m_mapChildDefinition.find(pConf) : m_mapChildDefinition.end();
    if (it == m_mapChildDefinition.end()) {
        // Settings of its own (the root's): the element with its item id.
        const auto itById = m_mapDefinitionByItemId.find(pNode->GetConfItemId());
        if (!pConf || itById == m_mapDefinitionByItemId.end()) {
            CLC_LOG("CLCGIRDataManager::ChildDefinition", "定義体要素が見つかりません。");
            throw std::runtime_error("node without element");
        }
        it = m_mapChildDefinition.emplace(pConf, itById->second).first;
    }
    // The map holds the settings object, so its address is not reused while cached.
    hit = {pConf.get(), it->second};
    return *hit.pDefinition;
}

CLCGIRContainer* CLCGIRDataManager::MoveOnwards(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine)
{
    for (const CLCGIRContainer* pNode = pContainer; pNode != nullptr; pNode = pNode->GetParent()) {
        CLCGIRContainer* pSibling = pNode->GetNextSibling();
        if (pSibling == nullptr)
            continue;
        if (ChildDefinition(pSibling->GetParent(), pDefine).HasChild(pSibling))
            return pSibling;
        ReportNoElement(pSibling, "CLCGIRDataManager::MoveOnwards", "定義体 兄弟要素への移動に失敗しました。");
        return nullptr;
    }
    return nullptr;
}

bool CLCGIRDataManager::MappingConvDefine()
{
    static constexpr const char* kFunction = "CLCGIRDataManager::MappingConvDefine";
    try {
        CLCGIRContainer* pNode = nullptr;
        CLCXDomNsxml* pDefine = StartWalk(kFunction, pNode);
        if (pDefine == nullptr)
            return false;
        // The root stands for the definition's root, whatever its name.
        SetEditConfFromDefine(pNode, pDefine);
        bool bOk = true;
        // A node whose name is no element below its parent's records HE60049E
        // and is not entered: its subtree keeps empty settings.
        auto reportNone = [&](const CLCGIRContainer* pChild, const char* szFunction, const char* szMessage) {
            ReportNoElement(pChild, szFunction, szMessage);
            bOk = false;
        };
        while (pNode != nullptr) {
            CLCGIRContainer* pEntered = nullptr;
            if (pNode->HasChild()) {
                const SChildDefinition& definition = ChildDefinition(pNode, pDefine);
                for (long i = 0; i < pNode->GetChildCount(); ++i) {
                    CLCGIRContainer* pChild = pNode->GetChild(i);
                    if (const auto* ppConf = definition.ConfNamed(pChild->GetElementName()))
                        pChild->SetEditConf(*ppConf);
                }
                // Into the first child that has an element; those before it have none.
                for (long i = 0; i < pNode->GetChildCount() && pEntered == nullptr; ++i) {
                    CLCGIRContainer* pChild = pNode->GetChild(i);
                    if (definition.ConfNamed(pChild->GetElementName()) != nullptr)
                        pEntered = pChild;
                    else
                        reportNone(pChild, kFunction, "定義体子要素取得に失敗しました。");
                }
            }
            if (pEntered != nullptr) {
                pNode = pEntered;
                continue;
            }
            // Onwards: the next sibling with an element, here or further up.
            CLCGIRContainer* pNext = nullptr;
            for (const CLCGIRContainer* pUp = pNode; pUp != nullptr && pNext == nullptr; pUp = pUp->GetParent()) {
                for (CLCGIRContainer* pSibling = pUp->GetNextSibling(); pSibling != nullptr && pNext == nullptr;
                     pSibling = pSibling->GetNextSibling()) {
                    const SChildDefinition& definition = ChildDefinition(pSibling->GetParent(), pDefine);
                    if (definition.ConfNamed(pSibling->GetElementName()) != nullptr)
                        pNext = pSibling;
                    else
                        reportNone(pSibling, "CLCGIRDataManager::FindFirstNormalSibling",
                                   "定義体 兄弟要素への移動に失敗しました。");
                }
            }
            pNode = pNext;
        }
        DumpContainers(CLCDebugDump::DumpStage::MappingConvDefine);
        return bOk;
    } catch (...) {
        RecordFatal(kFunction, kUnexpectedError);
        return false;
    }
}

bool CLCGIRDataManager::MoveNextSiblingConvDefByElementName(CLCXDomNsxml* pDefine, const std::string& strName)
{
    static constexpr const char* kFunction = "CLCGIRDataManager::MoveNextSiblingConvDefByElementName";
    // Found among the siblings, as almost always: the current name is not needed.
    if (pDefine->MoveSiblingNodeName(strName.c_str()) == 0)
        return true;
    const std::string strCurrent = pDefine->GetNodeName();
    if (pDefine->MoveParent() != 0) {
        RecordFatal(kFunction, "定義体要素移動に失敗しました。");
        return false;
    }
    if (pDefine->MoveChildNodeName(strName.c_str()) == 0)
        return true;
    if (pDefine->MoveChildNodeName(strCurrent.c_str()) != 0)
        RecordFatal(kFunction, "元の定義体要素に移動できませんでした。");
    return false;
}

CLCGIRContainer* CLCGIRDataManager::FindFirstNormalSibling(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine,
                                                           bool* pOk)
{
    *pOk = true;
    for (CLCGIRContainer* pSibling = pContainer->GetNextSibling(); pSibling != nullptr;
         pSibling = pSibling->GetNextSibling()) {
        if (MoveNextSiblingConvDefByElementName(pDefine, pSibling->GetElementName()))
            return pSibling;
        ReportNoElement(pSibling, "CLCGIRDataManager::FindFirstNormalSibling", "定義体 兄弟要素への移動に失敗しました。");
        *pOk = false;
    }
    return nullptr;
}

CLCGIRContainer* CLCGIRDataManager::MoveNormalContainerAndConvDev(CLCGIRContainer* pContainer,
                                                                  CLCXDomNsxml* pDefine, bool* pOk)
{
    *pOk = true;
    for (CLCGIRContainer* pNode = pContainer;;) {
        bool bSiblingOk = true;
        CLCGIRContainer* pNext = FindFirstNormalSibling(pNode, pDefine, &bSiblingOk);
        if (!bSiblingOk)
            *pOk = false;
        if (pNext != nullptr)
            return pNext;
        pNode = pNode->GetParent();
        if (pNode == nullptr)
            return nullptr;
        if (pDefine->MoveParent() != 0) {
            ReportNoElement(pContainer, "CLCGIRDataManager::MoveNormalContainerAndConvDev", "定義体要素移動に失敗しました。");
            *pOk = false;
            return nullptr;
        }
    }
}

CLCGIRContainer* CLCGIRDataManager::MoveCurrentContainerAndConvDev(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine)
{
    static constexpr const char* kFunction = "CLCGIRDataManager::MoveCurrentContainerAndConvDev";
    auto moveToSibling = [&](CLCGIRContainer* pSibling) -> CLCGIRContainer* {
        if (MoveNextSiblingConvDefByElementName(pDefine, pSibling->GetElementName()))
            return pSibling;
        ReportNoElement(pSibling, kFunction, "定義体 兄弟要素への移動に失敗しました。");
        return nullptr;
    };
    if (CLCGIRContainer* pSibling = pContainer->GetNextSibling())
        return moveToSibling(pSibling);
    for (CLCGIRContainer* pNode = pContainer;;) {
        pNode = pNode->GetParent();
        if (pNode == nullptr)
            return nullptr;
        if (pDefine->MoveParent() != 0) {
            ReportNoElement(pNode, kFunction, "定義体要素移動に失敗しました。");
            return nullptr;
        }
        if (pNode->GetElementName() != pDefine->GetNodeName()) {
            ReportNoElement(pNode, kFunction, "XML構造リストと定義体の階層構造に差異があります。");
            return nullptr;
        }
        if (CLCGIRContainer* pSibling = pNode->GetNextSibling())
            return moveToSibling(pSibling);
    }
}
