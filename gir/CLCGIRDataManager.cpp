#include "gir/CLCGIRDataManager.h"

#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDomNsxml.h"
#include "gir/CLCGIRCheckList.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRCsvData.h"
#include "gir/CLCGIRCsvDataManager.h"
#include "gir/CLCGIRXMLList.h"

#include <stdexcept>

namespace {
constexpr const char* kUnexpected = "想定しないエラーが発生しました。";
constexpr long kHierarchyColumn = 6;

void RecordFatal(const char* szFunction, const char* szMessage)
{
    CLC_LOG(szFunction, szMessage);
    CLCValidResultGIR::instance()->SetFatalError();
}

// HE60049E: the node has no element at its place in the definition.
void ReportNoElement(const CLCGIRContainer* pContainer, const char* szFunction, const char* szMessage)
{
    CLCValidResultGIR::instance()->SetResult(pContainer->GetCSVFileName(), HE60049E,
                                             pContainer->GetCSVLineNumber(), kHierarchyColumn, -1);
    CLC_LOG(szFunction, szMessage);
}
} // namespace

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
    m_pCsvData = new CLCGIRCsvDataManager();
    m_llMaxLevel = 0;
}

void CLCGIRDataManager::Terminate()
{
    // The check list borrows the containers: drop it before the tree.
    m_pCheckList.reset();
    m_pXMLList.reset();
    DeleteCsvData();
    m_llMaxLevel = 0;
}

// --- CSV files -------------------------------------------------------------

const char* CLCGIRDataManager::ReadCsvFile(const std::string& strPath)
{
    return m_pCsvData != nullptr ? m_pCsvData->ReadCSVFile(strPath) : nullptr;
}

CLCGIRCsvData* CLCGIRDataManager::ParseCsvFile()
{
    return m_pCsvData != nullptr ? m_pCsvData->ParseCSVFile() : nullptr;
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
    delete m_pCsvData;
    m_pCsvData = nullptr;
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

void CLCGIRDataManager::DumpContainers(const std::string& strLabel)
{
    if (CLCDebugDump::IsOutput() && m_pXMLList)
        m_pXMLList->DebugLog(strLabel);
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
        RecordFatal(kFunction, kUnexpected);
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
        CLC_LOG(kFunction, kUnexpected);
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

// --- Moves shared by the walks over the mapped tree ---------------------------

void CLCGIRDataManager::SetEditConfFromDefine(CLCGIRContainer* pContainer, CLCXDomNsxml* pDefine)
{
    pContainer->SetEditConf(pDefine->GetAttribute("itemId"), pDefine->GetAttribute("nameSpace"),
                            pDefine->GetAttribute("dataType"), pDefine->GetAttribute("minOccur"),
                            pDefine->GetAttribute("maxOccur"), pDefine->GetAttribute("attr"),
                            pDefine->GetAttribute("attrValueColumn"), pDefine->GetAttribute("attrValue"),
                            pDefine->GetAttribute("attr2"), pDefine->GetAttribute("attrValueColumn2"),
                            pDefine->GetAttribute("attrValue2"), pDefine->GetAttribute("attr3"),
                            pDefine->GetAttribute("attrValueColumn3"), pDefine->GetAttribute("attrValue3"),
                            pDefine->GetAttribute("autoItem"), pDefine->GetAttribute("value"));
}

bool CLCGIRDataManager::MoveNextSiblingConvDefByElementName(CLCXDomNsxml* pDefine, const std::string& strName)
{
    static constexpr const char* kFunction = "CLCGIRDataManager::MoveNextSiblingConvDefByElementName";
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
