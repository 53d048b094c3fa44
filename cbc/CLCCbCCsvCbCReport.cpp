#include "cbc/CLCCbCCsvCbCReport.h"

#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <map>
#include <new>
#include <set>
#include <stdexcept>
#include <string_view>

namespace {
constexpr const char* kNoMemory = "メモリ確保に失敗しました。";

// Column bounds of each record kind, first layout then second layout (208, 209).
struct SKindLayout {
    size_t nFirstMin, nFirstMax, nSecondMin, nSecondMax;
};
constexpr SKindLayout kKindLayouts[] = {
    {8, 15, 8, 15},    // "1" message header
    {9, 15, 12, 15},   // "2" reporting entity
    {15, 15, 15, 15},  // "3" reports summary
    {10, 15, 11, 15},  // "4" constituent entities
    {7, 15, 7, 15},    // "5" additional info
};
constexpr uint32_t kKindCount = sizeof(kKindLayouts) / sizeof(kKindLayouts[0]);

// Columns read by the cross checks, 1-based as in the CSV layout.
constexpr long kColDocTypeIndic = 2;
constexpr long kColReceivingCountry = 3;
constexpr long kColDocRefId = 3;
constexpr long kColCorrDocRefId = 4;
constexpr long kColMessageRefId = 5;
constexpr long kColSummaryResCountryCode = 5;
constexpr long kColConstResCountryCode = 2;
constexpr long kColMessageTypeIndic = 6;
constexpr long kColReportingPeriod = 7;
constexpr long kColCurrency = 8;
constexpr long kColEndDate = 12;

// 1..5 for the texts "1".."5", else 0.
uint32_t KindOf(const std::string& strKind)
{
    if (strKind.size() != 1 || strKind[0] < '1' || strKind[0] > '5')
        return 0;
    return static_cast<uint32_t>(strKind[0] - '0');
}

// The value of a 1-based column of a section record; "" when it is missing.
std::string Value(CLCCbCCbCReport& section, long lRecord, long lColumn)
{
    const char* szValue = section.GetColumnValue(lRecord, lColumn - 1);
    return szValue ? std::string(szValue) : std::string();
}

// The only record the checks read from a one-record section; the checks run
// after the count checks, so a missing record means they were called too early.
long RequireOne(CLCCbCCbCReport& section)
{
    if (section.GetRecordCount() < 1)
        throw std::logic_error("section without its record");
    return 0;
}

std::string Head(const std::string& strText, size_t nLength)
{
    return strText.substr(0, std::min(nLength, strText.size()));
}

std::string Mid(const std::string& strText, size_t nOffset, size_t nLength)
{
    if (nOffset >= strText.size())
        return std::string();
    return strText.substr(nOffset, nLength);
}

// "Begins with" over the whole prefix; a value equal to the prefix begins with it.
bool BeginsWith(const std::string& strText, const std::string& strPrefix)
{
    return strText.compare(0, strPrefix.size(), strPrefix) == 0;
}

std::vector<std::string> CountryPieces(const std::string& strReceivingCountry)
{
    std::vector<std::string> vecPieces = CLCCbCCommon::stringSplit(strReceivingCountry, "/");
    vecPieces.erase(std::remove(vecPieces.begin(), vecPieces.end(), std::string()), vecPieces.end());
    return vecPieces;
}

void Report(CLCCbCMessage_t message, long long lLine, long lColumn)
{
    CLCValidResult::instance()->SetResult(message, static_cast<long>(lLine), lColumn, -1);
}

void RecordFatal(const char* szFunction, const char* szMessage)
{
    CLC_LOG(szFunction, szMessage);
    CLCValidResult::instance()->SetFatalError();
}

// Runs one cross check; an exception becomes the fatal row.
template <typename Check>
CLCCbCMessage_t RunCheck(const char* szFunction, Check&& check)
{
    try {
        return check();
    } catch (const std::bad_alloc&) {
        RecordFatal(szFunction, kNoMemory);
    } catch (...) {
        RecordFatal(szFunction, kUnexpectedError);
    }
    return HE60000E;
}

// Reports every line whose value occurs more than once, each line once and in
// ascending order.
CLCCbCMessage_t ReportDuplicates(const std::map<std::string, std::vector<long long>>& mapLines,
                                 CLCCbCMessage_t message, long lColumn)
{
    std::set<long long> setLines;
    for (const auto& entry : mapLines) {
        if (entry.second.size() > 1)
            setLines.insert(entry.second.begin(), entry.second.end());
    }
    for (long long lLine : setLines)
        Report(message, lLine, lColumn);
    return setLines.empty() ? CBC_MSG_NONE : message;
}
} // namespace

CLCCbCCsvCbCReport::CLCCbCCsvCbCReport() = default;
CLCCbCCsvCbCReport::~CLCCbCCsvCbCReport() = default;

bool CLCCbCCsvCbCReport::IsSecondLayout() const
{
    return m_usDefinitionId == 208 || m_usDefinitionId == 209;
}

bool CLCCbCCsvCbCReport::ColumnTerm(std::string& strField, std::vector<std::string>& vecColumns, bool bEndOfRecord)
{
    return HandOverField(strField, vecColumns, bEndOfRecord, m_lLineCnt, m_vRecord);
}

bool CLCCbCCsvCbCReport::ValidateRecord(std::vector<std::string>& vecColumns)
{
    if (vecColumns.size() == 1 && vecColumns[0].empty())
        return true;    // blank line
    const uint32_t uKind = vecColumns.empty() ? 0 : KindOf(vecColumns[0]);
    if (uKind != 0) {
        const SKindLayout& layout = kKindLayouts[uKind - 1];
        const size_t nMin = IsSecondLayout() ? layout.nSecondMin : layout.nFirstMin;
        const size_t nMax = IsSecondLayout() ? layout.nSecondMax : layout.nFirstMax;
        if (vecColumns.size() >= nMin && vecColumns.size() <= nMax) {
            if (m_ulHighestKind > uKind)
                m_bOrder = false;
            else
                m_ulHighestKind = uKind;
            ++m_ulRecordCount[uKind - 1];
            return true;
        }
    }
    Report(HE60012E, 0, 0);
    return false;
}

bool CLCCbCCsvCbCReport::ValidateCsv()
{
    CLCCbCMessage_t failure = CBC_MSG_NONE;
    if (m_vRecord.empty())
        failure = HE60013E;
    else if (m_ulRecordCount[0] != 1)
        failure = HE60024E;
    else if (IsSecondLayout() && m_ulRecordCount[1] != 1)
        failure = HE60039E;
    else if (!IsSecondLayout() && m_ulRecordCount[1] >= 2)
        failure = HE60025E;
    else if (m_ulRecordCount[2] > 300)
        failure = HE60026E;
    else if (m_ulRecordCount[3] > 5000)
        failure = HE60027E;
    else if (m_ulRecordCount[4] > 300)
        failure = HE60028E;
    else if (!m_bOrder)
        failure = HE60012E;
    if (failure == CBC_MSG_NONE)
        return true;
    Report(failure, 0, 0);
    return false;
}

bool CLCCbCCsvCbCReport::DistributeRecord(long lIndex)
{
    static constexpr const char* kFunction = "CLCCbCCsvCbCReport::DistributeRecord";
    try {
        if (lIndex < 0 || static_cast<size_t>(lIndex) >= m_vRecord.size()) {
            RecordFatal(kFunction, kUnexpectedError);
            return false;
        }
        CLCCbCRecordData* pRecord = m_vRecord[static_cast<size_t>(lIndex)].get();
        const char* szKind = pRecord->GetColumnValue(0);
        CLCCbCCbCReport* sections[kKindCount] = {&m_MessageSpec, &m_ReportingEntity, &m_ReportsSummary,
                                                 &m_ReportsConstEntities, &m_AdditionalInfo};
        const uint32_t uKind = szKind ? KindOf(szKind) : 0;
        if (uKind == 0) {
            RecordFatal(kFunction, kUnexpectedError);
            return false;
        }
        sections[uKind - 1]->AddRecord(pRecord);
        return true;
    } catch (...) {
        RecordFatal(kFunction, kUnexpectedError);
        return false;
    }
}

const char* CLCCbCCsvCbCReport::GetColumnValue(long lRecord, long lColumn)
{
    if (lRecord < 0 || static_cast<size_t>(lRecord) >= m_vRecord.size())
        return nullptr;
    return m_vRecord[static_cast<size_t>(lRecord)]->GetColumnValue(lColumn);
}

const char* CLCCbCCsvCbCReport::GetColumnValue(const char* szName, long /*lRecord*/, long lColumn)
{
    const CLCCbCRecordData* pRecord = GetNamedRecord(szName);
    return pRecord != nullptr ? pRecord->GetColumnValue(lColumn) : nullptr;
}

const CLCCbCRecordData* CLCCbCCsvCbCReport::GetNamedRecord(const char* szName) const
{
    if (szName == nullptr || std::strcmp(szName, "MessageType") != 0)
        return nullptr;
    for (const auto& pRecord : m_vRecord) {
        const char* szKind = pRecord->GetColumnValue(0);
        if (szKind && std::strcmp(szKind, "1") == 0)
            return pRecord.get();
    }
    return nullptr;
}

CLCCbCMessage_t CLCCbCCsvCbCReport::ReportingEntityDocRefIdCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::ReportingEntityDocRefIdCheck", [this] {
        if (m_ReportingEntity.GetRecordCount() == 0)
            return CBC_MSG_NONE;
        const std::string strMessageRefId = Value(m_MessageSpec, RequireOne(m_MessageSpec), kColMessageRefId);
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (long r = 0; r < m_ReportingEntity.GetRecordCount(); ++r) {
            if (Value(m_ReportingEntity, r, kColDocTypeIndic) == "OECD0")
                continue;
            if (BeginsWith(Value(m_ReportingEntity, r, kColDocRefId), strMessageRefId))
                continue;
            Report(HE60009E, m_ReportingEntity.GetLineNo(r), kColDocRefId);
            result = HE60009E;
        }
        return result;
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::ReportingEntityMessageRefIdCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::ReportingEntityMessageRefIdCheck", [this] {
        RequireOne(m_ReportingEntity);
        const std::string strMessageRefId = Value(m_MessageSpec, RequireOne(m_MessageSpec), kColMessageRefId);
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (long r = 0; r < m_ReportingEntity.GetRecordCount(); ++r) {
            if (Value(m_ReportingEntity, r, kColDocTypeIndic) != "OECD0")
                continue;
            if (Head(Value(m_ReportingEntity, r, kColDocRefId), 19) == Head(strMessageRefId, 19))
                continue;
            Report(HE60009E, m_ReportingEntity.GetLineNo(r), kColDocRefId);
            result = HE60009E;
        }
        return result;
    });
}

namespace {
// Every DocRefId of the section must begin with MessageRefId.
CLCCbCMessage_t DocRefIdBeginsWith(CLCCbCCbCReport& section, const std::string& strMessageRefId)
{
    CLCCbCMessage_t result = CBC_MSG_NONE;
    for (long r = 0; r < section.GetRecordCount(); ++r) {
        if (BeginsWith(Value(section, r, kColDocRefId), strMessageRefId))
            continue;
        Report(HE60009E, section.GetLineNo(r), kColDocRefId);
        result = HE60009E;
    }
    return result;
}
} // namespace

CLCCbCMessage_t CLCCbCCsvCbCReport::ReportsSummaryDocRefIdCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::ReportsSummaryDocRefIdCheck", [this] {
        return DocRefIdBeginsWith(m_ReportsSummary,
                                  Value(m_MessageSpec, RequireOne(m_MessageSpec), kColMessageRefId));
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::AdditionalInfoDocRefIdCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::AdditionalInfoDocRefIdCheck", [this] {
        return DocRefIdBeginsWith(m_AdditionalInfo,
                                  Value(m_MessageSpec, RequireOne(m_MessageSpec), kColMessageRefId));
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::MessageSpecCurrencyCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::MessageSpecCurrencyCheck", [this] {
        const long lSpec = RequireOne(m_MessageSpec);
        if (m_ReportsSummary.GetRecordCount() == 0 || !Value(m_MessageSpec, lSpec, kColCurrency).empty())
            return CBC_MSG_NONE;
        Report(HE60001E, m_MessageSpec.GetLineNo(lSpec), kColCurrency);
        return HE60001E;
    });
}

namespace {
// Every value of column lColumn in section must occur in column lOtherColumn of other.
CLCCbCMessage_t EachFoundIn(CLCCbCCbCReport& section, long lColumn, CLCCbCCbCReport& other, long lOtherColumn,
                            CLCCbCMessage_t message)
{
    std::set<std::string> setOther;
    for (long r = 0; r < other.GetRecordCount(); ++r)
        setOther.insert(Value(other, r, lOtherColumn));
    CLCCbCMessage_t result = CBC_MSG_NONE;
    for (long r = 0; r < section.GetRecordCount(); ++r) {
        if (setOther.count(Value(section, r, lColumn)) != 0)
            continue;
        Report(message, section.GetLineNo(r), lColumn);
        result = message;
    }
    return result;
}
} // namespace

CLCCbCMessage_t CLCCbCCsvCbCReport::ReportsSummaryResCountryCodeCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::ReportsSummaryResCountryCodeCheck", [this] {
        return EachFoundIn(m_ReportsSummary, kColSummaryResCountryCode, m_ReportsConstEntities,
                           kColConstResCountryCode, HE60029E);
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::ReportsConstEntitiesResCountryCodeCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::ReportsConstEntitiesResCountryCodeCheck", [this] {
        return EachFoundIn(m_ReportsConstEntities, kColConstResCountryCode, m_ReportsSummary,
                           kColSummaryResCountryCode, HE60030E);
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::MessageSpecResCountryCodeCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::MessageSpecResCountryCodeCheck", [this] {
        const long lSpec = RequireOne(m_MessageSpec);
        if (Value(m_MessageSpec, lSpec, kColMessageTypeIndic) != "CBC401")
            return CBC_MSG_NONE;
        std::set<std::string> setSummary;
        for (long r = 0; r < m_ReportsSummary.GetRecordCount(); ++r)
            setSummary.insert(Value(m_ReportsSummary, r, kColSummaryResCountryCode));
        for (const std::string& strPiece : CountryPieces(Value(m_MessageSpec, lSpec, kColReceivingCountry))) {
            if (strPiece == "X5" || (IsSecondLayout() && strPiece == "XX"))
                continue;
            if (setSummary.count(strPiece) != 0)
                continue;
            Report(HE60031E, m_MessageSpec.GetLineNo(lSpec), kColReceivingCountry);
            return HE60031E;
        }
        return CBC_MSG_NONE;
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::ResCountryCodeOverlapCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::ResCountryCodeOverlapCheck", [this] {
        std::map<std::string, std::vector<long long>> mapLines;
        for (long r = 0; r < m_ReportsSummary.GetRecordCount(); ++r)
            mapLines[Value(m_ReportsSummary, r, kColSummaryResCountryCode)].push_back(m_ReportsSummary.GetLineNo(r));
        return ReportDuplicates(mapLines, HE60032E, kColSummaryResCountryCode);
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::ReportsSummaryResCountryCodeCheck2()
{
    return RunCheck("CLCCbCCsvCbCReport::ReportsSummaryResCountryCodeCheck2", [this] {
        const long lSpec = RequireOne(m_MessageSpec);
        const std::vector<std::string> vecPieces = CountryPieces(Value(m_MessageSpec, lSpec, kColReceivingCountry));
        const std::set<std::string> setPieces(vecPieces.begin(), vecPieces.end());
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (long r = 0; r < m_ReportsSummary.GetRecordCount(); ++r) {
            const std::string strCode = Value(m_ReportsSummary, r, kColSummaryResCountryCode);
            if (strCode == "X5" || (IsSecondLayout() && strCode == "XX"))
                continue;
            if (setPieces.count(strCode) != 0)
                continue;
            Report(HE60031E, m_ReportsSummary.GetLineNo(r), kColSummaryResCountryCode);
            result = HE60031E;
        }
        return result;
    });
}

namespace {
// Non-empty values of one column over the reporting entity, the summaries and
// the additional info taken as one list must be pairwise different.
CLCCbCMessage_t DocumentIdsDiffer(std::initializer_list<CLCCbCCbCReport*> sections, long lColumn,
                                  CLCCbCMessage_t message)
{
    std::map<std::string, std::vector<long long>> mapLines;
    for (CLCCbCCbCReport* pSection : sections) {
        for (long r = 0; r < pSection->GetRecordCount(); ++r) {
            std::string strValue = Value(*pSection, r, lColumn);
            if (!strValue.empty())
                mapLines[std::move(strValue)].push_back(pSection->GetLineNo(r));
        }
    }
    return ReportDuplicates(mapLines, message, lColumn);
}
} // namespace

CLCCbCMessage_t CLCCbCCsvCbCReport::DocRefIdOverlapCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::DocRefIdOverlapCheck", [this] {
        return DocumentIdsDiffer({&m_ReportingEntity, &m_ReportsSummary, &m_AdditionalInfo}, kColDocRefId,
                                 HE60033E);
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::CorrDocRefIdOverlapCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::CorrDocRefIdOverlapCheck", [this] {
        return DocumentIdsDiffer({&m_ReportingEntity, &m_ReportsSummary, &m_AdditionalInfo}, kColCorrDocRefId,
                                 HE60034E);
    });
}

namespace {
// DocTypeIndic values a record may carry under a MessageTypeIndic; false when
// the message type puts no bound on them.
bool AllowedDocTypes(const std::string& strMessageType, bool bReportingEntity, std::vector<std::string_view>& vecAllowed)
{
    if (strMessageType == "CBC401") {
        vecAllowed = bReportingEntity ? std::vector<std::string_view>{"OECD0", "OECD1"}
                                      : std::vector<std::string_view>{"OECD1"};
        return true;
    }
    if (strMessageType == "CBC402") {
        vecAllowed = bReportingEntity ? std::vector<std::string_view>{"OECD0", "OECD2", "OECD3"}
                                      : std::vector<std::string_view>{"OECD2", "OECD3"};
        return true;
    }
    return false;
}

CLCCbCMessage_t DocTypesFitMessageType(CLCCbCCbCReport& section, const std::string& strMessageType,
                                       bool bReportingEntity)
{
    std::vector<std::string_view> vecAllowed;
    if (!AllowedDocTypes(strMessageType, bReportingEntity, vecAllowed))
        return CBC_MSG_NONE;
    CLCCbCMessage_t result = CBC_MSG_NONE;
    for (long r = 0; r < section.GetRecordCount(); ++r) {
        const std::string strDocType = Value(section, r, kColDocTypeIndic);
        if (std::find(vecAllowed.begin(), vecAllowed.end(), std::string_view(strDocType)) != vecAllowed.end())
            continue;
        Report(HE60037E, section.GetLineNo(r), kColDocTypeIndic);
        result = HE60037E;
    }
    return result;
}
} // namespace

CLCCbCMessage_t CLCCbCCsvCbCReport::ReportingEntityMessageTypeIndicCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::ReportingEntityMessageTypeIndicCheck", [this] {
        RequireOne(m_ReportingEntity);
        const std::string strType = Value(m_MessageSpec, RequireOne(m_MessageSpec), kColMessageTypeIndic);
        return DocTypesFitMessageType(m_ReportingEntity, strType, true);
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::ReportsSummaryMessageTypeIndicCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::ReportsSummaryMessageTypeIndicCheck", [this] {
        const std::string strType = Value(m_MessageSpec, RequireOne(m_MessageSpec), kColMessageTypeIndic);
        return DocTypesFitMessageType(m_ReportsSummary, strType, false);
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::AdditionalInfoMessageTypeIndicCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::AdditionalInfoMessageTypeIndicCheck", [this] {
        const std::string strType = Value(m_MessageSpec, RequireOne(m_MessageSpec), kColMessageTypeIndic);
        return DocTypesFitMessageType(m_AdditionalInfo, strType, false);
    });
}

CLCCbCMessage_t CLCCbCCsvCbCReport::CbcReportYearCheck()
{
    return RunCheck("CLCCbCCsvCbCReport::CbcReportYearCheck", [this] {
        const long lSpec = RequireOne(m_MessageSpec);
        RequireOne(m_ReportingEntity);
        // The year is characters 3 to 6 of MessageRefId; every comparison is of four characters.
        const std::string strYear = Mid(Value(m_MessageSpec, lSpec, kColMessageRefId), 2, 4);
        CLCCbCMessage_t result = CBC_MSG_NONE;
        auto check = [&](bool bMatches, long long lLine, long lColumn) {
            if (bMatches)
                return;
            Report(HE60036E, lLine, lColumn);
            result = HE60036E;
        };
        check(Head(Value(m_MessageSpec, lSpec, kColReportingPeriod), 4) == strYear, m_MessageSpec.GetLineNo(lSpec),
              kColReportingPeriod);
        for (long r = 0; r < m_ReportingEntity.GetRecordCount(); ++r) {
            const std::string strCorr = Value(m_ReportingEntity, r, kColCorrDocRefId);
            if (!strCorr.empty())
                check(Mid(strCorr, 2, 4) == strYear, m_ReportingEntity.GetLineNo(r), kColCorrDocRefId);
            check(Head(Value(m_ReportingEntity, r, kColEndDate), 4) == strYear, m_ReportingEntity.GetLineNo(r),
                  kColEndDate);
        }
        for (CLCCbCCbCReport* pSection : {static_cast<CLCCbCCbCReport*>(&m_ReportsSummary),
                                          static_cast<CLCCbCCbCReport*>(&m_AdditionalInfo)}) {
            for (long r = 0; r < pSection->GetRecordCount(); ++r) {
                const std::string strCorr = Value(*pSection, r, kColCorrDocRefId);
                if (!strCorr.empty())
                    check(Mid(strCorr, 2, 4) == strYear, pSection->GetLineNo(r), kColCorrDocRefId);
            }
        }
        return result;
    });
}
