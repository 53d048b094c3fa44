#include "gir/CLCGIRValidCsvStruct.h"

#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCGIRFilePatterns.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRCsvData.h"
#include "gir/CLCGIRCsvDataManager.h"
#include "gir/CLCGIRDataManager.h"
#include "gir/CLCGIRPropertyManager.h"
#include "gir/CLCGIRValidFileStruct.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr long kNameColumn = 1;
constexpr long kHierarchyColumn = 6;
constexpr long kHeaderMinLevel = 6;
constexpr long kBodyMinLevel = 7;
constexpr long kMaxLevel = 18;

void RecordFatal(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    CLCValidResultGIR::instance()->SetFatalError();
}

// Runs one step that needs bReady; a step that cannot start, or anything it
// throws, ends in the fatal row and false.
template <typename Fn>
bool Guarded(const char* szFunction, bool bReady, Fn fnStep)
{
    try {
        if (bReady)
            return fnStep();
    } catch (...) {
    }
    RecordFatal(szFunction);
    return false;
}

void Report(const std::string& strFile, CLCCbCMessage_t message, long lLine = 0, long lColumn = 0)
{
    CLCValidResultGIR::instance()->SetResult(strFile, message, lLine, lColumn, -1);
}

// The whole-match of "\d{1,2}" written out: it runs once per record.
bool HierarchyInRange(std::string_view svNumber, long lMinLevel)
{
    if (svNumber.size() < 1 || svNumber.size() > 2)
        return false;
    long lLevel = 0;
    for (char c : svNumber) {
        if (c < '0' || c > '9')
            return false;
        lLevel = lLevel * 10 + (c - '0');
    }
    return lLevel >= lMinLevel && lLevel <= kMaxLevel;
}

long MinLevelOf(const std::string& strFileName)
{
    return CLCCbCCommon::strPatternMatch(strFileName.c_str(), CLCGIRFilePatterns::kP1MessageSpec) ? kHeaderMinLevel
                                                                                                  : kBodyMinLevel;
}

// What a file that could not be read is reported as.
CLCCbCMessage_t ReadFailureOf(CLCGIRDataManager& manager)
{
    const CLCGIRCsvDataManager* pCsv = manager.GetCsvDataManager();
    switch (pCsv != nullptr ? pCsv->GetLastReadStatus() : CLCCbCCsvFile::CsvText::Unreadable) {
    case CLCCbCCsvFile::CsvText::NotShiftJis:
        return HE60011E;
    case CLCCbCCsvFile::CsvText::HasNul:
        return HE60012E;
    default:
        return HE60006E;
    }
}

// stable_sort by compStructFilename, each name's numbers read once rather than
// at every comparison: a folder can hold thousands of files. The tail number
// is read only for names whose head number ties, as the comparison does.
void SortBodyFiles(std::vector<CLCFileInfo_t>::iterator itBegin, std::vector<CLCFileInfo_t>::iterator itEnd)
{
    if (itEnd - itBegin < 2)
        return;
    struct SKey {
        CLCFileInfo_t* pEntry;
        long lHead;
        mutable long lTail;
        mutable bool bTail;

        long Tail() const
        {
            if (!bTail) {
                lTail = CLCCbCCommon::GetTailNumOfFilename(pEntry->strFileName.c_str());
                bTail = true;
            }
            return lTail;
        }
    };
    std::vector<SKey> vecKeys;
    vecKeys.reserve(static_cast<size_t>(itEnd - itBegin));
    for (auto it = itBegin; it != itEnd; ++it)
        vecKeys.push_back({&*it, CLCCbCCommon::GetHeadNumOfFilename(it->strFileName.c_str()), 0, false});
    std::stable_sort(vecKeys.begin(), vecKeys.end(), [](const SKey& a, const SKey& b) {
        if (a.lHead != b.lHead)
            return a.lHead < b.lHead;
        return a.Tail() < b.Tail();
    });
    std::vector<CLCFileInfo_t> vecSorted;
    vecSorted.reserve(vecKeys.size());
    for (const SKey& key : vecKeys)
        vecSorted.push_back(std::move(*key.pEntry));
    std::move(vecSorted.begin(), vecSorted.end(), itBegin);
}

std::string LastPart(const std::string& strPath)
{
    const size_t nSlash = strPath.rfind('/');
    return nSlash == std::string::npos ? strPath : strPath.substr(nSlash + 1);
}
} // namespace

bool compStructFilename(const CLCFileInfo_t& a, const CLCFileInfo_t& b)
{
    const long lHeadA = CLCCbCCommon::GetHeadNumOfFilename(a.strFileName.c_str());
    const long lHeadB = CLCCbCCommon::GetHeadNumOfFilename(b.strFileName.c_str());
    if (lHeadA != lHeadB)
        return lHeadA < lHeadB;
    return CLCCbCCommon::GetTailNumOfFilename(a.strFileName.c_str())
           < CLCCbCCommon::GetTailNumOfFilename(b.strFileName.c_str());
}

CLCGIRValidCsvStruct::CLCGIRValidCsvStruct(std::vector<CLCFileInfo_t>* pFileInfo)
    : m_pFileInfo(pFileInfo), m_vNGString{"--", "/*", "&#"}
{
}

CLCGIRValidCsvStruct::~CLCGIRValidCsvStruct() = default;

bool CLCGIRValidCsvStruct::ValidateCsvStruct(const char* szFolder)
{
    return Initialize(szFolder) && CheckTotalFileSize() && ValidCsvFile() && ValidAllCsvFiles();
}

bool CLCGIRValidCsvStruct::CheckTotalFileSize()
{
    // The folder check's own limit, at the same place after the layout: no
    // file of a folder past it is read.
    return Guarded("CLCGIRValidCsvStruct::CheckTotalFileSize", m_pFileInfo != nullptr,
                   [&]() { return CLCGIRValidFileStruct::CheckTotalFileSize(*m_pFileInfo); });
}

bool CLCGIRValidCsvStruct::Initialize(const char* szFolder)
{
    return Guarded("CLCGIRValidCsvStruct::Initialize", m_pFileInfo != nullptr, [&]() {
        m_pDataManager = CLCGIRDataManager::instance();
        m_strFolderPath = szFolder != nullptr ? szFolder : "";
        auto itBody = std::find_if(m_pFileInfo->begin(), m_pFileInfo->end(), [&](const CLCFileInfo_t& entry) {
            return entry.strFolderPath != m_strFolderPath;
        });
        m_lRefFolderCount = static_cast<long>(itBody - m_pFileInfo->begin());
        SortBodyFiles(itBody, m_pFileInfo->end());
        return true;
    });
}

bool CLCGIRValidCsvStruct::ValidCsvFile()
{
    return Guarded("CLCGIRValidCsvStruct::ValidCsvFile", m_pDataManager != nullptr && m_pFileInfo != nullptr, [&]() {
        bool bOk = true;
        long long llKept = 0;   // records of the files parsed so far
        for (const CLCFileInfo_t& entry : *m_pFileInfo) {
            if (entry.nFolder == 1)
                continue;
            const std::string& strName = entry.strFileName;
            // Each file from the folder it was listed in.
            const char* szText = m_pDataManager->ReadCsvFile(entry.strFolderPath + "/" + strName);
            if (szText == nullptr) {
                Report(strName, ReadFailureOf(*m_pDataManager));
                bOk = false;
                continue;
            }
            // Searched in the raw text, so a rejected file costs no parse.
            const bool bForbidden = std::any_of(m_vNGString.begin(), m_vNGString.end(), [&](const std::string& s) {
                return std::strstr(szText, s.c_str()) != nullptr;
            });
            if (bForbidden) {
                Report(strName, HE60011E);
                bOk = false;
                continue;
            }
            // Only records the walk of ValidAllCsvFiles can reach are kept: it
            // refuses the first file past a limit before walking it.
            const long lRoom = std::min<long long>(kMaxFileRecords, kMaxFileRecords - llKept);
            CLCGIRCsvData* pData = m_pDataManager->ParseCsvFile(static_cast<size_t>(std::max(lRoom, 0L)));
            if (pData == nullptr) {
                Report(strName, HE60000E);
                bOk = false;
                continue;
            }
            llKept += pData->GetReadRecordCount();
            const bool bOtherWidth = pData->HasOtherWidthRecord();
            if (bOtherWidth)
                Report(strName, HE60012E);
            if (pData->GetSixColumnRecordCount() == 0)
                Report(strName, HE60013E);
            bOk = bOk && !bOtherWidth && pData->GetSixColumnRecordCount() != 0;
        }
        return bOk;
    });
}

bool CLCGIRValidCsvStruct::ValidAllCsvFiles()
{
    return Guarded("CLCGIRValidCsvStruct::ValidAllCsvFiles", m_pDataManager != nullptr, [&]() {
        bool bOk = true;
        long long llTotal = 0;
        for (long i = 0; i < m_pDataManager->GetCsvFileNumber(); ++i) {
            CLCGIRCsvData* pData = m_pDataManager->GetCsvData(static_cast<int>(i));
            // The limits come before the walk, so an oversized file is refused at once.
            const long lRecords = pData->GetReadRecordCount();
            llTotal += lRecords;
            if (lRecords > kMaxFileRecords || llTotal >= kMaxTotalRecords) {
                Report(CLCValidResultGIR::kOtherFile, HE60045E);
                return false;
            }
            if (!ValidRecords(*pData, LastPart(pData->GetCsvFileName())))
                bOk = false;
        }
        return bOk;
    });
}

bool CLCGIRValidCsvStruct::ValidRecords(CLCGIRCsvData& data, const std::string& strFileName)
{
    CLCGIRPropertyManager* pProperty = CLCGIRPropertyManager::instance();
    const long lMinLevel = MinLevelOf(strFileName);
    bool bOk = true;
    for (long r = 0; r < data.GetRecordNumber(); ++r) {
        const std::string_view svName = data.GetColumnText(r, kNameColumn - 1);
        // A few hundred names serve a million records: each is looked up once.
        auto it = m_mapKnownName.find(svName);
        if (it == m_mapKnownName.end()) {
            const std::string& strName = m_dequeName.emplace_back(svName);
            it = m_mapKnownName.emplace(strName, pProperty->FindElementList(strName)).first;
        }
        if (!it->second) {
            Report(strFileName, HE60046E, static_cast<long>(data.GetRecordLineNo(r)), kNameColumn);
            bOk = false;
        }
        if (!HierarchyInRange(data.GetColumnText(r, kHierarchyColumn - 1), lMinLevel)) {
            Report(strFileName, HE60047E, static_cast<long>(data.GetRecordLineNo(r)), kHierarchyColumn);
            bOk = false;
        }
    }
    return bOk;
}

bool CLCGIRValidCsvStruct::ValidCsvItemHierarchyNumberRange(const std::string& strFileName,
                                                            const std::string& strNumber)
{
    try {
        return HierarchyInRange(strNumber.c_str(), MinLevelOf(strFileName));
    } catch (...) {
        CLC_LOG("CLCGIRValidCsvStruct::ValidCsvItemHierarchyNumberRange", kUnexpectedError);
        throw;
    }
}
