#include "cbc/CLCCbCValidItem.h"
#include "cbc/CLCCbCCsvFile.h"
#include "cbc/CLCCbCValidCharSet.h"
#include "cbc/CLCCbCValidCheckDigit.h"
#include "cbc/CLCCbCValidCodeCheck.h"
#include "cbc/CLCCbCValidContain.h"
#include "cbc/CLCCbCValidContain2.h"
#include "cbc/CLCCbCValidCsvContain.h"
#include "cbc/CLCCbCValidDigits.h"
#include "cbc/CLCCbCValidDuplicate.h"
#include "cbc/CLCCbCValidExist.h"
#include "cbc/CLCCbCValidExistFolder.h"
#include "cbc/CLCCbCValidExistpath.h"
#include "cbc/CLCCbCValidExtension.h"
#include "cbc/CLCCbCValidFormat.h"
#include "cbc/CLCCbCValidLength.h"
#include "cbc/CLCCbCValidNotContain.h"
#include "cbc/CLCCbCValidNotExist.h"
#include "cbc/CLCCbCValidNotNumber.h"
#include "cbc/CLCCbCValidNumber.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "gir/CLCGIRContainer.h"
#include <cctype>
#include <climits>
#include <string_view>

namespace {
using MakeRule = std::unique_ptr<CLCCbCValidItem> (*)(long lColumn, const char* szValue, const char* szMax,
                                                      CLCCbCMessage_t message);

template <class TRule>
std::unique_ptr<CLCCbCValidItem> MakePlain(long lColumn, const char*, const char*, CLCCbCMessage_t message)
{
    return std::make_unique<TRule>(lColumn, message);
}

template <class TRule>
std::unique_ptr<CLCCbCValidItem> MakeWithValue(long lColumn, const char* szValue, const char*,
                                               CLCCbCMessage_t message)
{
    auto pRule = std::make_unique<TRule>(lColumn, message);
    pRule->SetParam(szValue);
    return pRule;
}

template <class TRule>
std::unique_ptr<CLCCbCValidItem> MakeWithMax(long lColumn, const char*, const char* szMax, CLCCbCMessage_t message)
{
    auto pRule = std::make_unique<TRule>(lColumn, message);
    pRule->SetParam(szMax);
    return pRule;
}

std::unique_ptr<CLCCbCValidItem> MakeLength(long lColumn, const char* szValue, const char* szMax,
                                            CLCCbCMessage_t message)
{
    auto pRule = std::make_unique<CLCCbCValidLength>(lColumn, message);
    pRule->SetParam(szValue, szMax);
    return pRule;
}

struct SRuleKind {
    std::string_view szKeyword;
    MakeRule pfnMake;
};

// One keyword, one row, in the order the factory tries them.
constexpr SRuleKind kRuleKinds[] = {
    {"exist", &MakePlain<CLCCbCValidExist>},
    {"notExist", &MakePlain<CLCCbCValidNotExist>},
    {"extension", &MakeWithValue<CLCCbCValidExtension>},
    {"existPath", &MakeWithValue<CLCCbCValidExistpath>},
    {"length", &MakeLength},
    {"number", &MakePlain<CLCCbCValidNumber>},
    {"contain", &MakeWithValue<CLCCbCValidContain>},
    {"notContain", &MakeWithValue<CLCCbCValidNotContain>},
    {"charset", &MakeWithValue<CLCCbCValidCharSet>},
    {"checkDigits", &MakeWithValue<CLCCbCValidCheckDigit>},
    {"format", &MakeWithValue<CLCCbCValidFormat>},
    {"codeCheck", &MakeWithValue<CLCCbCValidCodeCheck>},
    {"notNumber", &MakePlain<CLCCbCValidNotNumber>},
    {"contain2", &MakeWithValue<CLCCbCValidContain2>},
    {"csvContain", &MakeWithValue<CLCCbCValidCsvContain>},
    {"duplicate", &MakePlain<CLCCbCValidDuplicate>},
    {"existFolder", &MakePlain<CLCCbCValidExistFolder>},
    {"digits", &MakeWithMax<CLCCbCValidDigits>},
};
static_assert(sizeof(kRuleKinds) / sizeof(kRuleKinds[0]) == 18, "eighteen rule keywords");

void RecordFatal(bool bGir)
{
    if (bGir) {
        CLCValidResultGIR::instance()->SetFatalError();
        return;
    }
    CLCValidResult::instance()->SetFatalError();
}
} // namespace

CLCCbCValidItem::CLCCbCValidItem(long lColumn, CLCCbCMessage_t /*message*/) : m_lColumn(lColumn)
{
}

CLCCbCValidItem::~CLCCbCValidItem()
{
    while (!m_vecOuterItems.empty())
        m_vecOuterItems.pop_back();
}

void CLCCbCValidItem::AddOuterItem(CLCCbCValidItem* pOuter)
{
    if (pOuter == nullptr)
        return;
    m_vecOuterItems.emplace_back(pOuter);
}

CLCCbCMessage_t CLCCbCValidItem::_validate(const char* /*szValue*/)
{
    CLC_LOG("CLCCbCValidItem::_validate", kUnexpectedError);
    return HE60000E;
}

CLCCbCMessage_t CLCCbCValidItem::Fatal(EPath path, const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    RecordFatal(path == EPath::Gir);
    return HE60000E;
}

template <typename FnCheck>
CLCCbCMessage_t CLCCbCValidItem::GuardPath(EPath path, const char* szFunction, FnCheck fnCheck)
{
    try {
        return fnCheck();
    } catch (...) {
        return Fatal(path, szFunction);
    }
}

template <typename FnOuter>
std::optional<CLCCbCMessage_t> CLCCbCValidItem::RunOuter(EPath path, FnOuter fnOuter)
{
    for (const auto& pOuter : m_vecOuterItems) {
        CLCCbCMessage_t r = fnOuter(*pOuter);
        if (r == CBC_MSG_NONE)
            continue;
        if (r == HE60000E) {
            RecordFatal(path == EPath::Gir);
            return r;
        }
        return CBC_MSG_NONE;
    }
    return std::nullopt;
}

template <typename FnRecord>
CLCCbCMessage_t CLCCbCValidItem::JudgeValue(EPath path, const char* szValue, FnRecord fnRecord)
{
    CLCCbCMessage_t r = _validate(szValue);
    if (r == CBC_MSG_NONE)
        return r;
    if (r == HE60000E) {
        RecordFatal(path == EPath::Gir);
        return r;
    }
    fnRecord(r);
    return r;
}

CLCCbCMessage_t CLCCbCValidItem::Validate(const char* szValue, long lLine, long lColumn)
{
    return GuardPath(EPath::Cbc, "CLCCbCValidItem::Validate", [&]() {
        auto fnOuter = [szValue](CLCCbCValidItem& outer) { return outer.ValidateOuter(szValue); };
        if (auto answer = RunOuter(EPath::Cbc, fnOuter))
            return *answer;
        return JudgeValue(EPath::Cbc, szValue, [&](CLCCbCMessage_t r) {
            CLCValidResult::instance()->SetResult(r, lLine, lColumn, -1);
        });
    });
}

CLCCbCMessage_t CLCCbCValidItem::ValidateOuter(const char* szValue)
{
    return GuardPath(EPath::Cbc, "CLCCbCValidItem::ValidateOuter", [&]() { return _validate(szValue); });
}

CLCCbCMessage_t CLCCbCValidItem::ValidateCsv(CLCCbCCsvFile* pCsv, long lRecord, long /*lIgnored*/)
{
    static constexpr const char* kFunction = "CLCCbCValidItem::ValidateCsv";
    return GuardPath(EPath::Cbc, kFunction, [&]() {
        if (pCsv == nullptr)
            return Fatal(EPath::Cbc, kFunction);
        auto fnOuter = [pCsv, lRecord](CLCCbCValidItem& outer) { return outer.ValidateOuter(pCsv, lRecord, -1); };
        if (auto answer = RunOuter(EPath::Cbc, fnOuter))
            return *answer;
        // A record shorter than the rule's column passes every rule.
        const char* szText = pCsv->GetItem(lRecord, static_cast<long>(m_lColumn));
        if (szText == nullptr)
            return CBC_MSG_NONE;
        return JudgeValue(EPath::Cbc, szText, [&](CLCCbCMessage_t r) {
            CLCValidResult::instance()->SetResult(r, lRecord + 1, static_cast<long>(m_lColumn + 1),
                                                  m_lAssistColNum != 0 ? static_cast<long>(m_lAssistColNum) : -1);
        });
    });
}

CLCCbCMessage_t CLCCbCValidItem::ValidateOuter(CLCCbCCsvFile* pCsv, long lRecord, long /*lIgnored*/)
{
    static constexpr const char* kFunction = "CLCCbCValidItem::ValidateOuter";
    return GuardPath(EPath::Cbc, kFunction, [&]() {
        const char* szText = pCsv != nullptr ? pCsv->GetItem(lRecord, static_cast<long>(m_lColumn)) : nullptr;
        if (szText == nullptr) {
            // The precondition names a column the record lacks: a definition
            // fault. The caller records the fatal row.
            CLC_LOG(kFunction, kUnexpectedError);
            return HE60000E;
        }
        return _validate(szText);
    });
}

CLCCbCMessage_t CLCCbCValidItem::ValidateParamGIR(const char* szFileName, const char* szValue, long lLine,
                                                  long lColumn)
{
    return GuardPath(EPath::Gir, "CLCCbCValidItem::ValidateParamGIR", [&]() {
        auto fnOuter = [szValue](CLCCbCValidItem& outer) { return outer.ValidateOuterParamGIR(szValue); };
        if (auto answer = RunOuter(EPath::Gir, fnOuter))
            return *answer;
        return JudgeValue(EPath::Gir, szValue, [&](CLCCbCMessage_t r) {
            CLCValidResultGIR::instance()->SetResult(szFileName != nullptr ? szFileName : "", r, lLine, lColumn,
                                                     -1);
        });
    });
}

CLCCbCMessage_t CLCCbCValidItem::ValidateOuterParamGIR(const char* szValue)
{
    return GuardPath(EPath::Gir, "CLCCbCValidItem::ValidateOuterParamGIR", [&]() { return _validate(szValue); });
}

CLCCbCMessage_t CLCCbCValidItem::ValidateCsv(CLCGIRContainer* pContainer)
{
    static constexpr const char* kFunction = "CLCCbCValidItem::ValidateCsv";
    return GuardPath(EPath::Gir, kFunction, [&]() {
        if (pContainer == nullptr)
            return Fatal(EPath::Gir, kFunction);
        auto fnOuter = [pContainer](CLCCbCValidItem& outer) { return outer.ValidateOuter(pContainer); };
        if (auto answer = RunOuter(EPath::Gir, fnOuter))
            return *answer;
        // Throws for a column outside 1 to 6 (a definition fault).
        const std::string& strText = pContainer->GetValueFromCsvColumnNumber(static_cast<long>(m_lColumn));
        return JudgeValue(EPath::Gir, strText.c_str(), [&](CLCCbCMessage_t r) {
            CLCValidResultGIR::instance()->SetResult(pContainer->GetCSVFileName(), r,
                                                     pContainer->GetCSVLineNumber(), static_cast<long>(m_lColumn),
                                                     -1);
        });
    });
}

CLCCbCMessage_t CLCCbCValidItem::ValidateOuter(CLCGIRContainer* pContainer)
{
    static constexpr const char* kFunction = "CLCCbCValidItem::ValidateOuter";
    return GuardPath(EPath::Gir, kFunction, [&]() {
        if (pContainer == nullptr) {
            // The caller records the fatal row.
            CLC_LOG(kFunction, kUnexpectedError);
            return HE60000E;
        }
        const std::string& strText = pContainer->GetValueFromCsvColumnNumber(static_cast<long>(m_lColumn));
        return _validate(strText.c_str());
    });
}

CLCCbCValidItem* CLCCbCValidItem::CreateItem(long lColumn, const char* szType, const char* szValue,
                                             const char* szMin, const char* szMax, CLCCbCMessage_t message)
{
    if (szType == nullptr || szValue == nullptr || szMin == nullptr || szMax == nullptr) {
        CLCValidResult::instance()->SetFatalError();
        CLC_LOG("CLCCbCValidItem::CreateItem", kUnexpectedError);
        return nullptr;
    }
    const SRuleKind* pKind = nullptr;
    for (const SRuleKind& kind : kRuleKinds) {
        if (kind.szKeyword == szType) {
            pKind = &kind;
            break;
        }
    }
    if (pKind == nullptr) {
        CLCValidResult::instance()->SetFatalError();
        CLC_LOG("CLCCbCValidItem::CreateItem", kUnexpectedError);
        return nullptr;
    }
    try {
        return pKind->pfnMake(lColumn, szValue, szMax, message).release();
    } catch (...) {
        CLCValidResult::instance()->SetFatalError();
        CLC_LOG("CLCCbCValidItem::CreateItem", "クラスの生成(new)に失敗しました。");
        return nullptr;
    }
}

long long CLCCbCValidItem::DecimalValue(const char* szText)
{
    if (szText == nullptr)
        return 0;
    const char* p = szText;
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool bNegative = false;
    if (*p == '+' || *p == '-') {
        bNegative = *p == '-';
        ++p;
    }
    long long llValue = 0;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        int nDigit = *p - '0';
        if (llValue > (LLONG_MAX - nDigit) / 10) {
            llValue = LLONG_MAX;
            break;
        }
        llValue = llValue * 10 + nDigit;
    }
    return bNegative ? -llValue : llValue;
}

std::vector<std::string> CLCCbCValidItem::SplitWords(const std::string& strList)
{
    std::vector<std::string> vecWords;
    size_t nPos = 0;
    while (nPos < strList.size()) {
        size_t nStart = strList.find_first_not_of(' ', nPos);
        if (nStart == std::string::npos)
            break;
        size_t nEnd = strList.find(' ', nStart);
        if (nEnd == std::string::npos)
            nEnd = strList.size();
        vecWords.emplace_back(strList, nStart, nEnd - nStart);
        nPos = nEnd;
    }
    return vecWords;
}

std::vector<std::string> CLCCbCValidItem::SplitSlashParts(const std::string& strValue)
{
    std::vector<std::string> vecParts;
    size_t nPos = 0;
    while (nPos <= strValue.size()) {
        size_t nEnd = strValue.find('/', nPos);
        if (nEnd == std::string::npos)
            nEnd = strValue.size();
        if (nEnd > nPos)
            vecParts.emplace_back(strValue, nPos, nEnd - nPos);
        nPos = nEnd + 1;
    }
    return vecParts;
}

CLCCbCMessage_t CLCCbCValidItem::LogFatal(const char* szFile, int nLine, const char* szFunction)
{
    CLCDebugDump::OutputLog(szFile, nLine, szFunction, kUnexpectedError);
    return HE60000E;
}

CLCCbCMessage_t CLCCbCValidItem::LogFailure(const char* szFile, int nLine, const char* szFunction, bool bNoMemory)
{
    CLCDebugDump::OutputLog(szFile, nLine, szFunction, bNoMemory ? "メモリ確保に失敗しました。" : kUnexpectedError);
    return HE60000E;
}
