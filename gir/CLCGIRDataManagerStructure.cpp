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
        AppendContainer(std::make_unique<CLCGIRContainer>(0, 0, 0, 0, "", "GLOBE_OECD", "", "", "", "", "4"));
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
    AppendContainer(std::move(pFileNode));
    if (pCsvData == nullptr)
        return;
    std::string strColumns[kCsvColumns];
    // Each record is freed once its node holds its values: the file is never
    // held twice.
    const long lRecords = pCsvData->GetRecordNumber();
    for (long r = 1; r <= lRecords; ++r, pCsvData->DropFirstRecord()) {
        for (long c = 0; c < kCsvColumns; ++c) {
            // Every record has six columns once the structure check has passed;
            // a shorter one reads as empty rather than past its end.
            const char* szValue = c < pCsvData->GetColumnNumber(0) ? pCsvData->GetColumnValue(0, c) : "";
            strColumns[c] = szValue != nullptr ? szValue : "";
        }
        m_llMaxLevel = std::max<long long>(m_llMaxLevel, LevelOf(strColumns[5]));
        auto pNode = std::make_unique<CLCGIRContainer>(
            lGLOBE_OECD_HierarchyNumber, lGLOBEBody_HierarchyNumber, lGLOBEBody_HierarchyBranchNumber, r, "",
            std::move(strColumns[0]), std::move(strColumns[1]), std::move(strColumns[2]), std::move(strColumns[3]),
            std::move(strColumns[4]), std::move(strColumns[5]));
        pNode->ShareCSVFileName(fileNode);
        AppendContainer(std::move(pNode));
    }
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
