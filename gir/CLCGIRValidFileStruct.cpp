#include "gir/CLCGIRValidFileStruct.h"

#include "foundation/CLCCbCMessage.h"
#include "foundation/platform/CLCPlatformTraits.h"

#include "cbc/CLCCbCValidItem.h"
#include "cbc/CLCCbCValidator.h"
#include "cbc/CLCValidTable.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCGIRFilePatterns.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRValidator.h"

#include <iterator>
#include <limits>
#include <optional>

namespace {
constexpr const char* kSubFolder = "02_GLOBEBody";
constexpr long kFolderErrorLine = 99999999;
constexpr int32_t kNotMatched = 0;
constexpr int32_t kRecognised = 1;
constexpr int32_t kRejected = 2;

void RecordFatal(const char* szFunction, const char* szMessage = kUnexpectedError)
{
    CLC_LOG(szFunction, szMessage);
    CLCValidResultGIR::instance()->SetFatalError();
}

void Report(const std::string& strFile, CLCCbCMessage_t message, long lLine = 0, long lColumn = 0)
{
    CLCValidResultGIR::instance()->SetResult(strFile, message, lLine, lColumn, -1);
}

// The rows whose text also goes to the debug log.
void ReportLogged(const char* szFunction, const std::string& strFile, CLCCbCMessage_t message, long lLine = 0,
                  long lColumn = 0)
{
    Report(strFile, message, lLine, lColumn);
    CLC_LOG(szFunction, CLCCbCCommon::ConvEnID2Msg(message).c_str());
}

bool Matches(const std::string& strName, const char* szPattern)
{
    return CLCCbCCommon::strPatternMatch(strName.c_str(), szPattern);
}

bool MatchesAny(const std::string& strName, const std::vector<std::string>& vecTable)
{
    for (const std::string& strPattern : vecTable) {
        if (Matches(strName, strPattern.c_str()))
            return true;
    }
    return false;
}

void ResetMark(CLCFileInfo_t& entry)
{
    entry.nCheckState = kNotMatched;
    entry.nMessage = CBC_MSG_NONE;
}

void Reject(CLCFileInfo_t& entry, CLCCbCMessage_t message)
{
    entry.nCheckState = kRejected;
    entry.nMessage = message;
}

std::string PathOf(const CLCFileInfo_t& entry)
{
    return entry.strFolderPath + "/" + entry.strFileName;
}

// Runs one check; anything thrown ends in the fatal row and HE60000E.
template <typename Fn>
CLCCbCMessage_t Guarded(const char* szFunction, Fn fnCheck)
{
    try {
        return fnCheck();
    } catch (...) {
        RecordFatal(szFunction);
        return HE60000E;
    }
}
} // namespace

CLCGIRValidFileStruct::CLCGIRValidFileStruct(std::vector<CLCFileInfo_t>* pFileInfo) : m_pFileInfo(pFileInfo)
{
    if (m_pFileInfo != nullptr)
        m_pFileInfo->clear();
}

CLCGIRValidFileStruct::~CLCGIRValidFileStruct() = default;

bool CLCGIRValidFileStruct::Initialize(CLCFileStructValid_t kind)
{
    static constexpr const char* kFunction = "CLCGIRValidFileStruct::Initialize";
    try {
        m_vValidItem.clear();
        if (kind != FILE_STRUCT_VALID_BASIC_CSV
            || !CLCCbCValidator::AppendTableRules(CLCValidTables::BasicCsvFileValidTable,
                                                  std::size(CLCValidTables::BasicCsvFileValidTable), m_vValidItem)) {
            RecordFatal(kFunction);
            return false;
        }
        return true;
    } catch (...) {
        RecordFatal(kFunction);
        return false;
    }
}

CLCCbCMessage_t CLCGIRValidFileStruct::ValidateItem(const char* szFileName, const char* szValue, long lLine,
                                                    long lColumn)
{
    return Guarded("CLCGIRValidFileStruct::ValidateItem", [&]() {
        return CLCGIRValidator::ValidateRules(m_vValidItem, szFileName, szValue, lLine, lColumn);
    });
}

bool CLCGIRValidFileStruct::ValidateFileStruct(const char* szFolder)
{
    static constexpr const char* kFunction = "CLCGIRValidFileStruct::ValidateFileStruct";
    using Check = CLCCbCMessage_t (CLCGIRValidFileStruct::*)(std::vector<CLCFileInfo_t>&);
    static constexpr Check kTopChecks[] = {&CLCGIRValidFileStruct::chk4NotExistFileRefFolder,
                                           &CLCGIRValidFileStruct::chk5ExistUnknownFileRefFolder};
    static constexpr Check kSubChecks[] = {
        &CLCGIRValidFileStruct::chk6FilingInfoFile,         &CLCGIRValidFileStruct::chk7GeneralSectionFile,
        &CLCGIRValidFileStruct::chk8SummaryFile,            &CLCGIRValidFileStruct::chk9JurisdictionSectionFile,
        &CLCGIRValidFileStruct::chk10UTPRAttributionFile,   &CLCGIRValidFileStruct::chk11NotExistFileSubFolder,
        &CLCGIRValidFileStruct::chk12ExistUnknownFileSubFolder};
    try {
        m_lMessageSpec = m_lGLOBEBody = m_lFilingInfo = m_lGeneralSection = 0;
        m_lSummary = m_lJurisdictionSection = m_lUTPRAttribution = 0;
        const std::string strFolder = szFolder != nullptr ? szFolder : "";
        std::vector<CLCFileInfo_t> vecTop;
        std::vector<CLCFileInfo_t> vecSub;
        if (!getFileList(strFolder.c_str(), vecTop)) {
            ReportLogged(kFunction, CLCValidResultGIR::kOtherFile, HE60041E, kFolderErrorLine, 1);
            return false;
        }

        bool bOk = true;
        // False once a check has met the fatal row: the rest would only add noise.
        auto run = [&](Check pfnCheck, std::vector<CLCFileInfo_t>& vecEntries) {
            const CLCCbCMessage_t r = (this->*pfnCheck)(vecEntries);
            bOk = bOk && r == CBC_MSG_NONE;
            return r != HE60000E;
        };
        if (!run(&CLCGIRValidFileStruct::chk2MessageSpecFile, vecTop)
            || !run(&CLCGIRValidFileStruct::chk3GLOBEBodyFolder, vecTop))
            return false;
        if (m_lGLOBEBody == 1) {
            m_strFolderPath = strFolder;
            if (!getFileList((strFolder + "/" + kSubFolder).c_str(), vecSub)) {
                m_lGLOBEBody = 0;
                ReportLogged(kFunction, CLCValidResultGIR::kOtherFile, HE60041E);
                bOk = false;
            }
        }
        for (Check pfnCheck : kTopChecks) {
            if (!run(pfnCheck, vecTop))
                return false;
        }
        for (Check pfnCheck : kSubChecks) {
            if (m_lGLOBEBody == 1 && !run(pfnCheck, vecSub))
                return false;
        }
        if (m_pFileInfo != nullptr) {
            m_pFileInfo->insert(m_pFileInfo->end(), vecTop.begin(), vecTop.end());
            m_pFileInfo->insert(m_pFileInfo->end(), vecSub.begin(), vecSub.end());
        }
        return bOk;
    } catch (...) {
        RecordFatal(kFunction);
        return false;
    }
}

bool CLCGIRValidFileStruct::getFileList(const char* szFolder, std::vector<CLCFileInfo_t>& vecOut)
{
    static constexpr const char* kFunction = "CLCGIRValidFileStruct::getFileList";
    const std::string strFolder = szFolder != nullptr ? szFolder : "";
    std::vector<std::vector<std::string>> vecRows;
    if (!CLCCbCCommon::getFolderFilelist(strFolder, vecRows)) {
        CLC_LOG(kFunction, "フォルダ内のファイル一覧取得に失敗しました。");
        return false;
    }
    std::vector<CLCFileInfo_t> vecEntries;
    vecEntries.reserve(vecRows.size());
    for (const std::vector<std::string>& vecRow : vecRows) {
        CLCFileInfo_t entry;
        entry.strFolderPath = strFolder;
        entry.strFileName = vecRow.at(0);
        entry.nFolder = vecRow.at(1) == "1" ? 1 : 0;
        vecEntries.push_back(std::move(entry));
    }
    vecOut.swap(vecEntries);
    return true;
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk2MessageSpecFile(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckSingleFile(vecEntries, CLCGIRFilePatterns::kP1MessageSpec, &m_lMessageSpec, true);
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk3GLOBEBodyFolder(std::vector<CLCFileInfo_t>& vecEntries)
{
    return Guarded("CLCGIRValidFileStruct::chk3GLOBEBodyFolder", [&]() {
        for (CLCFileInfo_t& entry : vecEntries) {
            ResetMark(entry);
            if (m_lGLOBEBody == 0 && entry.nFolder == 1 && Matches(entry.strFileName, CLCGIRFilePatterns::kP2GLOBEBody)) {
                entry.nCheckState = kRecognised;
                m_lGLOBEBody = 1;
            }
        }
        if (m_lGLOBEBody == 1)
            return CBC_MSG_NONE;
        ReportLogged("CLCGIRValidFileStruct::chk3GLOBEBodyFolder", CLCValidResultGIR::kOtherFile, HE60044E);
        return HE60044E;
    });
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk4NotExistFileRefFolder(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckExistNGFile(vecEntries, NotExistFileRefFolderValidTable());
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk5ExistUnknownFileRefFolder(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckExistUnknownFile(vecEntries, ExistUnknownFileRefFolderValidTable());
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk6FilingInfoFile(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckSingleFile(vecEntries, CLCGIRFilePatterns::kP3FilingInfo, &m_lFilingInfo, true);
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk7GeneralSectionFile(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckSingleFile(vecEntries, CLCGIRFilePatterns::kP4GeneralSection, &m_lGeneralSection, false);
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk8SummaryFile(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckMultiFile(vecEntries, CLCGIRFilePatterns::kP5Summary, &m_lSummary);
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk9JurisdictionSectionFile(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckMultiFile(vecEntries, CLCGIRFilePatterns::kP6JurisdictionSection, &m_lJurisdictionSection);
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk10UTPRAttributionFile(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckMultiFile(vecEntries, CLCGIRFilePatterns::kP7UTPRAttribution, &m_lUTPRAttribution);
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk11NotExistFileSubFolder(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckExistNGFile(vecEntries, NotExistFileSubFolderValidTable());
}

CLCCbCMessage_t CLCGIRValidFileStruct::chk12ExistUnknownFileSubFolder(std::vector<CLCFileInfo_t>& vecEntries)
{
    return CheckExistUnknownFile(vecEntries, ExistUnknownFileSubFolderValidTable(), true);
}

CLCCbCMessage_t CLCGIRValidFileStruct::CheckFileRules(CLCFileInfo_t& entry)
{
    if (!Initialize(FILE_STRUCT_VALID_BASIC_CSV)) {
        Reject(entry, HE60000E);
        return HE60000E;
    }
    const CLCCbCMessage_t r = ValidateItem(entry.strFileName.c_str(), PathOf(entry).c_str(), 0, 0);
    if (r != CBC_MSG_NONE)
        Reject(entry, r);
    return r;
}

CLCCbCMessage_t CLCGIRValidFileStruct::CheckSingleFile(std::vector<CLCFileInfo_t>& vecEntries, const char* szPattern,
                                                       long* plCounter, bool bRequired)
{
    static constexpr const char* kFunction = "CLCGIRValidFileStruct::CheckSingleFile";
    return Guarded(kFunction, [&]() {
        CLCCbCMessage_t result = CBC_MSG_NONE;
        auto fnPassed = [&](CLCFileInfo_t& entry) -> std::optional<CLCCbCMessage_t> {
            if (*plCounter == 1) {
                Reject(entry, HE60043E);
                ReportLogged(kFunction, entry.strFileName, HE60043E);
                return HE60043E;   // a second one: the walk ends here
            }
            entry.nCheckState = kRecognised;
            *plCounter = 1;
            return std::nullopt;
        };
        if (std::optional<CLCCbCMessage_t> end = WalkMatchingFiles(vecEntries, szPattern, result, fnPassed))
            return *end;
        if (bRequired && *plCounter == 0 && result == CBC_MSG_NONE) {
            ReportLogged(kFunction, CLCValidResultGIR::kOtherFile, HE60044E);
            return HE60044E;
        }
        return result;
    });
}

CLCCbCMessage_t CLCGIRValidFileStruct::CheckMultiFile(std::vector<CLCFileInfo_t>& vecEntries, const char* szPattern,
                                                      long* plCounter)
{
    return Guarded("CLCGIRValidFileStruct::CheckMultiFile", [&]() {
        CLCCbCMessage_t result = CBC_MSG_NONE;
        std::multimap<long, std::string> mapNumbers;
        auto fnPassed = [&](CLCFileInfo_t& entry) -> std::optional<CLCCbCMessage_t> {
            const long lNumber = GetSubNumberOfFilename(entry.strFileName.c_str());
            if (lNumber < 1) {
                Reject(entry, HE60042E);
                Report(entry.strFileName, HE60042E);
                result = HE60042E;
                return std::nullopt;
            }
            entry.nCheckState = kRecognised;
            ++*plCounter;
            mapNumbers.emplace(lNumber, entry.strFileName);
            return std::nullopt;
        };
        if (std::optional<CLCCbCMessage_t> end = WalkMatchingFiles(vecEntries, szPattern, result, fnPassed))
            return *end;
        if (*plCounter == 0 || result != CBC_MSG_NONE)
            return result;
        return CheckSubNumberOfFilename(mapNumbers) ? CBC_MSG_NONE : HE60042E;
    });
}

std::optional<CLCCbCMessage_t> CLCGIRValidFileStruct::WalkMatchingFiles(
    std::vector<CLCFileInfo_t>& vecEntries, const char* szPattern, CLCCbCMessage_t& result,
    const std::function<std::optional<CLCCbCMessage_t>(CLCFileInfo_t&)>& fnPassed)
{
    for (CLCFileInfo_t& entry : vecEntries) {
        ResetMark(entry);
        if (entry.nFolder == 1 || !Matches(entry.strFileName, szPattern))
            continue;
        const CLCCbCMessage_t r = CheckFileRules(entry);
        if (r == HE60000E)
            return r;
        if (r != CBC_MSG_NONE) {
            result = r;   // the rule has recorded its row under the file's name
            continue;
        }
        if (std::optional<CLCCbCMessage_t> end = fnPassed(entry))
            return end;
    }
    return std::nullopt;
}

CLCCbCMessage_t CLCGIRValidFileStruct::CheckExistNGFile(std::vector<CLCFileInfo_t>& vecEntries,
                                                        const std::vector<std::string>& vecTable)
{
    return Guarded("CLCGIRValidFileStruct::CheckExistNGFile", [&]() {
        for (CLCFileInfo_t& entry : vecEntries) {
            ResetMark(entry);
            if (entry.nFolder != 1 && MatchesAny(entry.strFileName, vecTable))
                Reject(entry, HE60043E);
        }
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (const CLCFileInfo_t& entry : vecEntries) {
            if (entry.nCheckState != kRejected)
                continue;
            Report(entry.strFileName, HE60043E);
            result = HE60043E;
        }
        return result;
    });
}

CLCCbCMessage_t CLCGIRValidFileStruct::CheckExistUnknownFile(std::vector<CLCFileInfo_t>& vecEntries,
                                                             const std::vector<std::string>& vecTable,
                                                             bool bSubFolder)
{
    return Guarded("CLCGIRValidFileStruct::CheckExistUnknownFile", [&]() {
        bool bUnknown = false;
        for (CLCFileInfo_t& entry : vecEntries) {
            ResetMark(entry);
            const bool bBodyFolderName = Matches(entry.strFileName, CLCGIRFilePatterns::kP2GLOBEBody);
            const bool bKnownKind =
                entry.nFolder == 1 ? !bSubFolder && bBodyFolderName : !bSubFolder || !bBodyFolderName;
            if (bKnownKind && MatchesAny(entry.strFileName, vecTable))
                entry.nCheckState = kRecognised;
            else
                bUnknown = true;
        }
        if (!bUnknown)
            return CBC_MSG_NONE;
        Report(CLCValidResultGIR::kOtherFile, HE60042E);
        return HE60042E;
    });
}

long CLCGIRValidFileStruct::GetSubNumberOfFilename(const char* szFileName)
{
    return CLCCbCCommon::GetTailNumOfFilename(szFileName);
}

bool CLCGIRValidFileStruct::CheckSubNumberOfFilename(const std::multimap<long, std::string>& mapNumbers)
{
    long lExpected = 1;
    for (const auto& [lNumber, strName] : mapNumbers) {
        if (lNumber != lExpected) {
            Report(strName, HE60042E);
            return false;
        }
        ++lExpected;
    }
    return true;
}

bool CLCGIRValidFileStruct::CheckTotalFileSize(const std::vector<CLCFileInfo_t>& vecEntries)
{
    static constexpr const char* kFunction = "CLCGIRValidFileStruct::CheckTotalFileSize";
    try {
        uint64_t ullTotal = 0;
        for (const CLCFileInfo_t& entry : vecEntries) {
            if (entry.nFolder == 1)
                continue;
            const uint64_t ullSize = CLCCbCCommon::GetFileSizeULL(PathOf(entry).c_str());
            // An unreadable size must fail, never wrap the sum into a pass.
            if (ullSize == std::numeric_limits<uint64_t>::max()) {
                RecordFatal(kFunction, "ファイルサイズ取得に失敗しました。");
                return false;
            }
            if (ullSize > kMaxTotalFileSize - ullTotal) {
                Report(CLCValidResultGIR::kOtherFile, HE60035E);
                return false;
            }
            ullTotal += ullSize;
        }
        return true;
    } catch (...) {
        RecordFatal(kFunction);
        return false;
    }
}

bool CLCGIRValidFileStruct::GetFileName(const char* szFolder, std::string& strNames,
                                        const std::vector<CLCFileInfo_t>* pEntries)
{
    static constexpr const char* kFunction = "CLCGIRValidFileStruct::GetFileName";
    try {
        if (pEntries == nullptr) {
            RecordFatal(kFunction);
            return false;
        }
        const std::string strFolder = szFolder != nullptr ? szFolder : "";
        for (const CLCFileInfo_t& entry : *pEntries) {
            if (entry.nFolder == 1)
                continue;
            std::string strRelative;
            if (entry.strFolderPath == strFolder) {
                strRelative = entry.strFileName;
            } else if (entry.strFolderPath.compare(0, strFolder.size(), strFolder) == 0) {
                std::string strRest = entry.strFolderPath.substr(strFolder.size());
                if (!strRest.empty() && (strRest[0] == '/' || strRest[0] == '\\'))
                    strRest.erase(0, 1);
                strRelative = strRest + CLCPlatformTraits::kGIRFileNameJoiner + entry.strFileName;
            } else {
                strRelative = PathOf(entry);
            }
            if (!strNames.empty())
                strNames += ',';
            strNames += '"' + strRelative + '"';
        }
        return true;
    } catch (...) {
        RecordFatal(kFunction);
        return false;
    }
}
