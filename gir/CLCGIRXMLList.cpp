#include "gir/CLCGIRXMLList.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainer.h"
#include <cctype>
#include <climits>
#include <utility>

namespace {
constexpr long kRootLevel = 4;
constexpr long kHierarchyColumn = 6;

// Level of a hierarchy number text: its leading digits, 0 when there are none.
// Saturates instead of overflowing.
long LevelOf(const std::string& strLevel)
{
    long lLevel = 0;
    for (char c : strLevel) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            break;
        int nDigit = c - '0';
        if (lLevel > (LONG_MAX - nDigit) / 10)
            return LONG_MAX;
        lLevel = lLevel * 10 + nDigit;
    }
    return lLevel;
}

void ReportLevelError(const CLCGIRContainer* pContainer)
{
    CLCValidResultGIR::instance()->SetResult(pContainer->GetCSVFileName(), HE60048E,
                                             pContainer->GetCSVLineNumber(), kHierarchyColumn, -1);
    CLC_LOG("CLCGIRXMLList::ConvertXMLStructure", "階層番号チェックエラー");
}
} // namespace

CLCGIRXMLList::~CLCGIRXMLList()
{
    Clear();
}

void CLCGIRXMLList::Clear()
{
    m_vecContainers.clear();
}

bool CLCGIRXMLList::AddContainer(CLCGIRContainer* pContainer)
{
    if (pContainer == nullptr)
        return false;
    m_vecContainers.emplace_back(pContainer);
    return true;
}

CLCGIRContainer* CLCGIRXMLList::GetContainerByIndex(long i) const
{
    if (i < 0 || i >= GetContainerNumber())
        return nullptr;
    return m_vecContainers[static_cast<size_t>(i)].get();
}

bool CLCGIRXMLList::RemoveContainerByIndex(long i)
{
    if (i < 0 || i >= GetContainerNumber())
        return false;
    m_vecContainers[static_cast<size_t>(i)].release();
    m_vecContainers.erase(m_vecContainers.begin() + i);
    return true;
}

bool CLCGIRXMLList::CreateXMLStructure()
{
    m_vecContainers.push_back(std::make_unique<CLCGIRContainer>());
    return true;
}

CLCGIRContainer* CLCGIRXMLList::GetRootContainer() const
{
    if (m_vecContainers.empty())
        return nullptr;
    return m_vecContainers.front().get();
}

bool CLCGIRXMLList::ConvertXMLStructure(long lMaxLevel)
{
    if (m_vecContainers.empty())
        return true;
    const size_t nCount = m_vecContainers.size();
    std::vector<CLCGIRContainer*> vecAll;   // every container, whoever holds it
    try {
        vecAll.reserve(nCount);
        for (const auto& pContainer : m_vecContainers)
            vecAll.push_back(pContainer.get());

        // Links are decided first; ownership moves only once every row has found
        // its place, so a reported fault leaves the flat list as it was.
        std::vector<CLCGIRContainer*> vecLastOfLevel;   // index = level
        std::vector<CLCGIRContainer*> vecParentOf(nCount, nullptr);
        for (size_t i = 0; i < nCount; ++i) {
            CLCGIRContainer* pContainer = vecAll[i];
            long lLevel = LevelOf(pContainer->GetHierarchyNumber());
            if (i + 1 < nCount) {
                const CLCGIRContainer* pNext = vecAll[i + 1];
                long lNext = LevelOf(pNext->GetHierarchyNumber());
                if (lNext > lLevel && lNext - lLevel != 1) {
                    ReportLevelError(pNext);
                    return false;
                }
            }
            if (lLevel < kRootLevel || lLevel > lMaxLevel) {
                CLCValidResultGIR::instance()->SetFatalError();
                CLC_LOG("CLCGIRXMLList::ConvertXMLStructure", "コンテナの階層番号が不正です。");
                return false;
            }
            // Setting this level closes every deeper one.
            size_t nLevel = static_cast<size_t>(lLevel);
            vecLastOfLevel.resize(nLevel + 1, nullptr);
            vecLastOfLevel[nLevel] = pContainer;
            if (lLevel == kRootLevel)
                continue;
            CLCGIRContainer* pParent = vecLastOfLevel[nLevel - 1];
            if (pParent == nullptr) {
                ReportLevelError(pContainer);
                return false;
            }
            vecParentOf[i] = pParent;
        }

        std::vector<std::unique_ptr<CLCGIRContainer>> vecRoots;
        vecRoots.reserve(nCount);
        for (size_t i = 0; i < nCount; ++i) {
            if (vecParentOf[i] == nullptr)
                continue;
            vecParentOf[i]->AddRelation_ParentChild(vecAll[i]);
            m_vecContainers[i].release();   // the parent holds it now
        }
        for (auto& pContainer : m_vecContainers) {
            if (pContainer)
                vecRoots.push_back(std::move(pContainer));
        }
        m_vecContainers = std::move(vecRoots);
        return true;
    } catch (...) {
        CLCValidResultGIR::instance()->SetFatalError();
        CLC_LOG("CLCGIRXMLList::ConvertXMLStructure", kUnexpectedError);
        // Take back what the parents were given, so each container is owned once.
        if (vecAll.size() == nCount && m_vecContainers.size() == nCount) {
            for (size_t i = 0; i < nCount; ++i) {
                if (!m_vecContainers[i])
                    m_vecContainers[i].reset(vecAll[i]);
            }
        }
        ClearXMLContainerWithChildList();
        return false;
    }
}

void CLCGIRXMLList::ClearXMLContainerWithChildList()
{
    for (const auto& pContainer : m_vecContainers) {
        if (pContainer)
            pContainer->ClearChildList();
    }
}

void CLCGIRXMLList::DebugLog(const std::string& strLabel) const
{
    for (const auto& pContainer : m_vecContainers)
        pContainer->DebugLog(strLabel);
}
