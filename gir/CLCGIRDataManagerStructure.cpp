// The container tree of a GIR run: one node for the root, the message header,
// the 02_GLOBEBody folder, every body file and every CSV record, in the
// reader's order, then linked by hierarchy number.
#include "gir/CLCGIRDataManager.h"

#include "foundation/CLCCbCMessage.h"
#include "foundation/platform/CLCPlatformTraits.h"

#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCGIRFilePatterns.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainer.h"
#include "gir/CLCGIRCsvData.h"
#include "gir/CLCGIRXMLList.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace {
constexpr const char* kSubFolder = "02_GLOBEBody";
constexpr long kCsvColumns = 6;

bool Matches(const std::string& strName, const char* szPattern)
{
    return CLCCbCCommon::strPatternMatch(strName.c_str(), szPattern);
}

bool IsBodyFile(const std::string& strName)
{
    using namespace CLCGIRFilePatterns;
    for (const char* szPattern : {kP3FilingInfo, kP4GeneralSection, kP5Summary, kP6JurisdictionSection,
                                  kP7UTPRAttribution}) {
        if (Matches(strName, szPattern))
            return true;
    }
    return false;
}

// The element a file or folder node stands for: the text between the first and
// second "_", or after the first "_" up to the last ".".
std::string ElementNameOf(const std::string& strFileName)
{
    const size_t nFirst = strFileName.find('_');
    if (nFirst == std::string::npos) {
        CLCValidResultGIR::instance()->SetFatalError();
        CLC_LOG("CLCGIRDataManager::SetContainer", "規約外のファイル名が存在します。");
        throw std::invalid_argument("file name without \"_\"");
    }
    const size_t nSecond = strFileName.find('_', nFirst + 1);
    if (nSecond != std::string::npos)
        return strFileName.substr(nFirst + 1, nSecond - nFirst - 1);
    const size_t nDot = strFileName.rfind('.');
    if (nDot == std::string::npos || nDot < nFirst)
        return strFileName.substr(nFirst + 1);
    return strFileName.substr(nFirst + 1, nDot - nFirst - 1);
}

long LevelOf(const std::string& strLevel)
{
    return static_cast<long>(CLCCbCValidItem::DecimalValue(strLevel.c_str()));
}

// Lists a new node with the level the linking reads from its hierarchy
// number, given while the number is at hand.
void AppendNode(CLCGIRXMLList* pList, std::unique_ptr<CLCGIRContainer> pNode, long lLevel)
{
    if (pList == nullptr)
        throw std::logic_error("no container list");
    pList->AddContainer(pNode.get(), lLevel);
    (void)pNode.release();
}

// The two readings of a record's hierarchy number: as a decimal number for the
// deepest level of the run, and as its leading digits for the linking. The
// one or two digits the structure check lets through give one number to both.
void ReadLevel(std::string_view svLevel, const char* szLevel, long long& llDecimal, long& lLinkLevel)
{
    const auto IsDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (svLevel.size() == 1 && IsDigit(svLevel[0])) {
        llDecimal = lLinkLevel = svLevel[0] - '0';
        return;
    }
    if (svLevel.size() == 2 && IsDigit(svLevel[0]) && IsDigit(svLevel[1])) {
        llDecimal = lLinkLevel = (svLevel[0] - '0') * 10 + (svLevel[1] - '0');
        return;
    }
    llDecimal = static_cast<long>(CLCCbCValidItem::DecimalValue(szLevel != nullptr ? szLevel : ""));
    lLinkLevel = CLCGIRXMLList::LevelOf(svLevel);
}
} // namespace

bool CLCGIRDataManager::GenerateXMLStructure()
{
    const bool bBuilt = GenerateXMLStructureFromCSVData() && ConvertHierarchy();
    DeleteCsvData();
    return bBuilt;
}

bool CLCGIRDataManager::GenerateXMLStructureFromCSVData()
{
    static constexpr const char* kFunction = "CLCGIRDataManager::GenerateXMLStructureFromCSVData";
    try {
        // Room for the root, the folder, and every file and record node.
        size_t nNodes = 2;
        for (long i = 0; i < GetCsvFileNumber(); ++i)
            nNodes += 1 + static_cast<size_t>(GetCsvData(static_cast<int>(i))->GetRecordNumber());
        if (m_pXMLList)
            m_pXMLList->Reserve(static_cast<size_t>(m_pXMLList->GetContainerNumber()) + nNodes);
        AppendNode(m_pXMLList.get(),
                   std::make_unique<CLCGIRContainer>(0, 0, 0, 0, "", "GLOBE_OECD", "", "", "", "", "4"),
                   CLCGIRXMLList::LevelOf("4"));
        bool bFolderNode = false;
        for (long i = 0; i < GetCsvFileNumber(); ++i) {
            CLCGIRCsvData* pCsv = GetCsvData(static_cast<int>(i));
            const std::string strPath = pCsv->GetCsvFileName();
            // Split at the last separator the platform knows.
            const size_t nSlash = strPath.find_last_of(CLCPlatformTraits::kPathSeparators);
            const std::string strFileName = nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
            const std::string strFolderPath = nSlash == std::string::npos ? std::string() : strPath.substr(0, nSlash);
            if (Matches(strFileName, CLCGIRFilePatterns::kP1MessageSpec)) {
                SetContainerWithFileName(strFolderPath, strFileName, pCsv);
                continue;
            }
            // The folder node goes just before the first file that lies in it.
            if (!bFolderNode && strFolderPath.find(kSubFolder) != std::string::npos) {
                SetContainerWithFileName(strFolderPath, kSubFolder, nullptr);
                bFolderNode = true;
            }
            if (IsBodyFile(strFileName))
                SetContainerWithFileName(strFolderPath, strFileName, pCsv);
        }
        return true;
    } catch (...) {
        RecordFatal(kFunction, kUnexpectedError);
        return false;
    }
}

void CLCGIRDataManager::SetContainerWithFileName(const std::string& strFolderPath, const std::string& strFileName,
                                                 CLCGIRCsvData* pCsvData)
{
    if (Matches(strFileName, CLCGIRFilePatterns::kP1MessageSpec)) {
        SetContainer(CLCCbCCommon::GetHeadNumOfFilename(strFileName.c_str()), 0, 0, "5", strFileName, pCsvData);
        return;
    }
    if (strFolderPath.find(kSubFolder) == std::string::npos) {
        CLC_LOG("CLCGIRDataManager::SetContainerWithFileName", "想定外のファイル名、フォルダ名が指定された");
        throw std::invalid_argument("neither the message header nor in 02_GLOBEBody");
    }
    if (Matches(strFileName, CLCGIRFilePatterns::kP2GLOBEBody)) {
        SetContainer(CLCCbCCommon::GetHeadNumOfFilename(kSubFolder), 0, 0, "5", strFileName, nullptr);
        return;
    }
    // The folder's own number: the part before the first "_" of its last component.
    const size_t nSlash = strFolderPath.rfind('/');
    const std::string strFolderName = nSlash == std::string::npos ? strFolderPath : strFolderPath.substr(nSlash + 1);
    const long lGLOBE_OECD = LevelOf(strFolderName.substr(0, strFolderName.find('_')));
    const bool bNumbered = !Matches(strFileName, CLCGIRFilePatterns::kP3FilingInfo)
                           && !Matches(strFileName, CLCGIRFilePatterns::kP4GeneralSection);
    SetContainer(lGLOBE_OECD, CLCCbCCommon::GetHeadNumOfFilename(strFileName.c_str()),
                 bNumbered ? CLCCbCCommon::GetTailNumOfFilename(strFileName.c_str()) : 0, "6", strFileName,
                 pCsvData);
}

void CLCGIRDataManager::SetContainer(long lGLOBE_OECD_HierarchyNumber, long lGLOBEBody_HierarchyNumber,
                                     long lGLOBEBody_HierarchyBranchNumber, const std::string& strHierarchyNumber,
                                     const std::string& strFileName, CLCGIRCsvData* pCsvData)
{
    const std::string strElementName = ElementNameOf(strFileName);
    m_llMaxLevel = std::max<long long>(m_llMaxLevel, LevelOf(strHierarchyNumber));
    auto pFileNode = std::make_unique<CLCGIRContainer>(lGLOBE_OECD_HierarchyNumber, lGLOBEBody_HierarchyNumber,
                                                       lGLOBEBody_HierarchyBranchNumber, 0, strFileName,
                                                       strElementName, "", "", "", "", strHierarchyNumber);
    const CLCGIRContainer& fileNode = *pFileNode;
    AppendNode(m_pXMLList.get(), std::move(pFileNode), CLCGIRXMLList::LevelOf(strHierarchyNumber));
    if (pCsvData == nullptr)
        return;
    // The values are copied once, straight from the file's text into the
    // node; the file's records go as its nodes are made.
    const long lRecords = pCsvData->GetRecordNumber();
    for (long r = 0; r < lRecords; ++r) {
        // Every record has six columns once the structure check has passed;
        // a shorter one reads as empty rather than past its end.
        auto Column = [&](long c) { return pCsvData->GetColumnText(r, c); };
        long long llLevel = 0;
        long lLinkLevel = 0;
        ReadLevel(pCsvData->GetColumnText(r, kCsvColumns - 1), pCsvData->GetColumnValue(r, kCsvColumns - 1),
                  llLevel, lLinkLevel);
        m_llMaxLevel = std::max(m_llMaxLevel, llLevel);
        auto pNode = std::make_unique<CLCGIRContainer>();
        pNode->SetGLOBE_OECD_HierarchyNumber(lGLOBE_OECD_HierarchyNumber);
        pNode->SetGLOBEBody_HierarchyNumber(lGLOBEBody_HierarchyNumber);
        pNode->SetGLOBEBody_HierarchyBranchNumber(lGLOBEBody_HierarchyBranchNumber);
        pNode->SetCSVLineNumber(r + 1);
        pNode->AssignColumns(Column(0), Column(1), Column(2), Column(3), Column(4), Column(5));
        pNode->ShareCSVFileName(fileNode);
        AppendNode(m_pXMLList.get(), std::move(pNode), lLinkLevel);
        pCsvData->ReleaseRecordsBefore(r + 1);
    }
    pCsvData->ReleaseRecords();
}

bool CLCGIRDataManager::ConvertHierarchy()
{
    if (!m_pXMLList) {
        RecordFatal("CLCGIRDataManager::ConvertHierarchy", kUnexpectedError);
        return false;
    }
    const bool bLinked = m_pXMLList->ConvertXMLStructure(static_cast<long>(m_llMaxLevel));
    DumpContainers(CLCDebugDump::DumpStage::ConvertHierarchy);
    return bLinked;
}
