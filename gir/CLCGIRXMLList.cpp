#include "gir/CLCGIRXMLList.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainer.h"
#include <algorithm>
#include <cctype>
#include <climits>
#include <utility>

namespace {
constexpr long kRootLevel = 4;
constexpr long kHierarchyColumn = 6;

// The nodes lie far apart in memory and each is written as it is linked;
// asking for them a few rows ahead hides most of the wait.
constexpr size_t kLookAhead = 16;

inline void PrefetchNode(const CLCGIRContainer* pNode)
{
#if defined(__GNUC__)
    __builtin_prefetch(pNode, 1);
#else
    (void)pNode;
#endif
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
    m_vecLevels.clear();
}

long CLCGIRXMLList::LevelOf(std::string_view svLevel)
{
    long lLevel = 0;
    for (char c : svLevel) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            break;
        int nDigit = c - '0';
        if (lLevel > (LONG_MAX - nDigit) / 10)
            return LONG_MAX;
        lLevel = lLevel * 10 + nDigit;
    }
    return lLevel;
}

bool CLCGIRXMLList::AddContainer(CLCGIRContainer* pContainer)
{
    return AddContainer(pContainer, kUnknownLevel);
}

bool CLCGIRXMLList::AddContainer(CLCGIRContainer* pContainer, long lLevel)
{
    if (pContainer == nullptr)
        return false;
    m_vecLevels.push_back(lLevel);
    try {
        m_vecContainers.emplace_back(pContainer);
    } catch (...) {
        m_vecLevels.pop_back();   // the caller still owns it
        throw;
    }
    return true;
}

void CLCGIRXMLList::Reserve(size_t nContainers)
{
    m_vecContainers.reserve(nContainers);
    m_vecLevels.reserve(nContainers);
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
    m_vecLevels.erase(m_vecLevels.begin() + i);
    return true;
}

bool CLCGIRXMLList::CreateXMLStructure()
{
    auto pContainer = std::make_unique<CLCGIRContainer>();
    AddContainer(pContainer.get());
    pContainer.release();
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
    try {
        // The levels not given when the containers were added are read now.
        std::vector<long> vecRead;
        const long* pLevel = m_vecLevels.data();
        if (std::find(m_vecLevels.begin(), m_vecLevels.end(), kUnknownLevel) != m_vecLevels.end()) {
            vecRead = m_vecLevels;
            for (size_t i = 0; i < nCount; ++i) {
                if (vecRead[i] == kUnknownLevel)
                    vecRead[i] = LevelOf(m_vecContainers[i]->GetHierarchyNumber());
            }
            pLevel = vecRead.data();
        }

        // Every row must find its place before any link is made, so that a
        // reported fault leaves the flat list as it was.
        std::vector<CLCGIRContainer*> vecLastOfLevel;   // index = level
        size_t nRoots = 0;
        for (size_t i = 0; i < nCount; ++i) {
            const long lLevel = pLevel[i];
            if (i + 1 < nCount) {
                const long lNext = pLevel[i + 1];
                if (lNext > lLevel && lNext - lLevel != 1) {
                    ReportLevelError(m_vecContainers[i + 1].get());
                    return false;
                }
            }
            if (lLevel < kRootLevel || lLevel > lMaxLevel) {
                CLCValidResultGIR::instance()->SetFatalError();
                CLC_LOG("CLCGIRXMLList::ConvertXMLStructure", "コンテナの階層番号が不正です。");
                return false;
            }
            // Setting this level closes every deeper one.
            const size_t nLevel = static_cast<size_t>(lLevel);
            vecLastOfLevel.resize(nLevel + 1, nullptr);
            vecLastOfLevel[nLevel] = m_vecContainers[i].get();
            if (lLevel == kRootLevel) {
                ++nRoots;
                continue;
            }
            if (vecLastOfLevel[nLevel - 1] == nullptr) {
                ReportLevelError(m_vecContainers[i].get());
                return false;
            }
        }

        // The same walk links them. Until every link is made the list still
        // owns all of them, so a failure only has to empty the child lists.
        std::vector<std::unique_ptr<CLCGIRContainer>> vecRoots;
        vecRoots.reserve(nRoots);
        vecLastOfLevel.clear();
        for (size_t i = 0; i < nCount; ++i) {
            CLCGIRContainer* pContainer = m_vecContainers[i].get();
            if (i + kLookAhead < nCount)
                PrefetchNode(m_vecContainers[i + kLookAhead].get());
            const size_t nLevel = static_cast<size_t>(pLevel[i]);
            vecLastOfLevel.resize(nLevel + 1, nullptr);
            vecLastOfLevel[nLevel] = pContainer;
            if (pLevel[i] != kRootLevel)
                vecLastOfLevel[nLevel - 1]->AddRelation_ParentChild(pContainer);
        }
        for (size_t i = 0; i < nCount; ++i) {
            if (pLevel[i] == kRootLevel)
                vecRoots.push_back(std::move(m_vecContainers[i]));
            else
                m_vecContainers[i].release();   // its parent holds it now
        }
        m_vecContainers = std::move(vecRoots);
        m_vecLevels.assign(nRoots, kRootLevel);
        return true;
    } catch (...) {
        CLCValidResultGIR::instance()->SetFatalError();
        CLC_LOG("CLCGIRXMLList::ConvertXMLStructure", kUnexpectedError);
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
