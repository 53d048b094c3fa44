#include "gir/CLCGIRDataManager.h"

#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRCheckList.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRContainerExt.h"
#include "gir/CLCGIRCsvData.h"
#include "gir/CLCGIRCsvDataManager.h"
#include "gir/CLCGIRXMLList.h"

#include <stdexcept>

void CLCGIRDataManager::RecordFatal(const char* szFunction, const char* szMessage)
{
    CLC_LOG(szFunction, szMessage);
    CLCValidResultGIR::instance()->SetFatalError();
}

std::unique_ptr<CLCGIRDataManager>& CLCGIRDataManager::Holder()
{
    static std::unique_ptr<CLCGIRDataManager> pInstance;
    return pInstance;
}

CLCGIRDataManager* CLCGIRDataManager::instance()
{
    std::unique_ptr<CLCGIRDataManager>& pInstance = Holder();
    if (!pInstance) {
        pInstance.reset(new CLCGIRDataManager());
        pInstance->Initialize();
    }
    return pInstance.get();
}

void CLCGIRDataManager::destroy()
{
    Holder().reset();
}

CLCGIRDataManager::CLCGIRDataManager() = default;

CLCGIRDataManager::~CLCGIRDataManager()
{
    Terminate();
}

void CLCGIRDataManager::Initialize()
{
    Terminate();
    m_pXMLList = std::make_unique<CLCGIRXMLList>();
    m_pCheckList = std::make_unique<CLCGIRCheckList>();
    m_pCsvData = std::make_unique<CLCGIRCsvDataManager>();
    m_llMaxLevel = 0;
}

void CLCGIRDataManager::Terminate()
{
    // The check list borrows the containers: drop it before the tree.
    m_pCheckList.reset();
    m_pXMLList.reset();
    DeleteCsvData();
    m_aDefinitionHits.fill({});
    m_vecSpareRows.clear();
    m_mapChildDefinition.clear();
    m_mapDefinitionByItemId.clear();
    m_dqDefinitions.clear();
    m_mapEditConf.clear();
    m_llMaxLevel = 0;
}

// --- CSV files -------------------------------------------------------------

const char* CLCGIRDataManager::ReadCsvFile(const std::string& strPath)
{
    return m_pCsvData != nullptr ? m_pCsvData->ReadCSVFile(strPath) : nullptr;
}

CLCGIRCsvData* CLCGIRDataManager::ParseCsvFile(size_t nKeepRecords)
{
    return m_pCsvData != nullptr ? m_pCsvData->ParseCSVFile(nKeepRecords) : nullptr;
}

long CLCGIRDataManager::GetCsvFileNumber()
{
    return m_pCsvData != nullptr ? m_pCsvData->GetCsvFileNumber() : 0;
}

CLCGIRCsvData* CLCGIRDataManager::GetCsvData(int nIndex)
{
    return m_pCsvData != nullptr ? m_pCsvData->GetCsvData(nIndex) : nullptr;
}

void CLCGIRDataManager::DeleteCsvData()
{
    m_pCsvData.reset();
}

// --- Containers --------------------------------------------------------------

bool CLCGIRDataManager::AddContainer(CLCGIRContainer* pContainer)
{
    return m_pXMLList && m_pXMLList->AddContainer(pContainer);
}

long CLCGIRDataManager::GetContainerNumber()
{
    return m_pXMLList ? m_pXMLList->GetContainerNumber() : 0;
}

CLCGIRContainer* CLCGIRDataManager::GetContainerByIndex(long i)
{
    return m_pXMLList ? m_pXMLList->GetContainerByIndex(i) : nullptr;
}

bool CLCGIRDataManager::RemoveContainerByIndex(long i)
{
    return m_pXMLList && m_pXMLList->RemoveContainerByIndex(i);
}

CLCGIRContainer* CLCGIRDataManager::GetRootContainer()
{
    return m_pXMLList ? m_pXMLList->GetRootContainer() : nullptr;
}

void CLCGIRDataManager::ReleaseTree()
{
    // The check list borrows the containers: it goes first.
    m_pCheckList = std::make_unique<CLCGIRCheckList>();
    m_pXMLList = std::make_unique<CLCGIRXMLList>();
}

void CLCGIRDataManager::DumpContainers(CLCDebugDump::DumpStage stage)
{
    if (CLCDebugDump::IsDumpOn(stage) && m_pXMLList)
        m_pXMLList->DebugLog(CLCDebugDump::DumpLabel(stage));
}

// --- Check list --------------------------------------------------------------

bool CLCGIRDataManager::CreateCheckList()
{
    static constexpr const char* kFunction = "CLCGIRDataManager::CreateCheckList";
    try {
        CLCGIRContainer* pNode = GetRootContainer();
        if (pNode == nullptr) {
            RecordFatal(kFunction, "XML構造リストルート要素取得に失敗しました。");
            return false;
        }
        for (; pNode != nullptr; pNode = GetNextContainer(pNode)) {
            // A node without an item id is one the mapping never reached.
            if (!AddCheckList(pNode->GetConfItemId(), pNode))
                throw std::runtime_error("container without item id");
        }
        return true;
    } catch (...) {
        RecordFatal(kFunction, kUnexpectedError);
        return false;
    }
}

CLCGIRContainer* CLCGIRDataManager::GetNextContainer(CLCGIRContainer* pContainer)
{
    static constexpr const char* kFunction = "CLCGIRDataManager::GetNextContainer";
    if (pContainer == nullptr) {
        CLC_LOG(kFunction, "pContainerにnullptrが指定された");
        throw std::invalid_argument("null container");
    }
    try {
        if (pContainer->HasChild())
            return pContainer->GetFirstChild();
        for (const CLCGIRContainer* pNode = pContainer; pNode != nullptr; pNode = pNode->GetParent()) {
            if (CLCGIRContainer* pSibling = pNode->GetNextSibling())
                return pSibling;
        }
        return nullptr;
    } catch (...) {
        CLC_LOG(kFunction, kUnexpectedError);
        throw;
    }
}

bool CLCGIRDataManager::AddCheckList(const std::string& strItemId, CLCGIRContainer* pContainer)
{
    return m_pCheckList && m_pCheckList->AddCheckList(strItemId, pContainer);
}

std::vector<CLCGIRContainer*> CLCGIRDataManager::FindCheckList(const std::string& strItemId)
{
    if (!m_pCheckList)
        return {};
    return m_pCheckList->FindCheckList(strItemId);
}

std::vector<CLCGIRContainer*> CLCGIRDataManager::FindCheckListFromItemIDs(const std::vector<std::string>& vecItemIds)
{
    std::vector<CLCGIRContainer*> vecFound;
    for (const std::string& strItemId : vecItemIds) {
        std::vector<CLCGIRContainer*> vecOne = FindCheckList(strItemId);
        vecFound.insert(vecFound.end(), vecOne.begin(), vecOne.end());
    }
    return vecFound;
}

void CLCGIRDataManager::ClearCheckList()
{
    if (m_pCheckList)
        m_pCheckList->ClearCheckList();
}

long CLCGIRDataManager::GetCheckListNumber()
{
    return m_pCheckList ? m_pCheckList->GetCheckListNumber() : 0;
}

std::string CLCGIRDataManager::GetCheckListItemId(long i)
{
    return m_pCheckList ? m_pCheckList->GetItemIdByIndex(i) : std::string();
}

CLCGIRContainer* CLCGIRDataManager::GetCheckListContainer(long i)
{
    if (!m_pCheckList)
        throw std::logic_error("no check list");
    return m_pCheckList->GetContainerByIndex(i);
}
