#include "cbc/CLCCbCValidator.h"
#include "cbc/CLCCbCValidItem.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDom.h"
#include <iterator>
#include <string>

namespace {
struct STableOfKind {
    const CLCValidTable_t* pRows;
    size_t nRows;
};

template <size_t N>
constexpr STableOfKind TableOf(const CLCValidTable_t (&rows)[N])
{
    return {rows, N};
}

// Index = argument kind; kind 8 belongs to the GIR validator.
constexpr STableOfKind kTablesByKind[] = {
    {nullptr, 0},
    TableOf(CLCValidTables::CsvValidTable),
    TableOf(CLCValidTables::SakuseiNMValidTable),
    TableOf(CLCValidTables::SakuseiNMValidTable),
    TableOf(CLCValidTables::OutPathValidTable),
    TableOf(CLCValidTables::TeikyouNaiyouValidTable),
    TableOf(CLCValidTables::HojinBangoValidTable),
    TableOf(CLCValidTables::XmlValidTable),
    {nullptr, 0},
    TableOf(CLCValidTables::CsvOnlyValidTable),
    TableOf(CLCValidTables::CsvWriteValidTable),
    TableOf(CLCValidTables::FileValidTable),
};
static_assert(std::size(kTablesByKind) == ARG_VALID_FILE + 1, "one table per argument kind");

bool RecordFatal(const char* szFunction)
{
    CLCValidResult::instance()->SetFatalError();
    CLC_LOG(szFunction, kUnexpectedError);
    return false;
}
} // namespace

CLCCbCValidator::CLCCbCValidator() = default;

CLCCbCValidator::~CLCCbCValidator()
{
    Clear();
}

void CLCCbCValidator::Clear()
{
    m_vecItems.clear();
}

bool CLCCbCValidator::Initialize(CLCArgValid_t kind)
{
    try {
        Clear();
        if (kind < ARG_VALID_CSV || kind > ARG_VALID_FILE || kTablesByKind[kind].pRows == nullptr)
            return RecordFatal("CLCCbCValidator::Initialize");
        const STableOfKind& table = kTablesByKind[kind];
        return AppendTableRules(table.pRows, table.nRows, m_vecItems);
    } catch (...) {
        return RecordFatal("CLCCbCValidator::Initialize");
    }
}

bool CLCCbCValidator::AppendTableRules(const CLCValidTable_t* pRows, size_t nRows,
                                       std::vector<std::unique_ptr<CLCCbCValidItem>>& vecItems)
{
    for (size_t i = 0; i < nRows; ++i) {
        const CLCValidTable_t& row = pRows[i];
        std::unique_ptr<CLCCbCValidItem> pRule(CLCCbCValidItem::CreateItem(
            static_cast<long>(row.column), row.type, row.value, row.min, row.max, row.message));
        if (!pRule)
            return false;   // CreateItem recorded the fatal row
        if (*row.outerType != '\0') {
            CLCCbCValidItem* pOuter = CLCCbCValidItem::CreateItem(static_cast<long>(row.outerColumn), row.outerType,
                                                                  row.outerValue, row.outerMin, row.outerMax,
                                                                  CBC_MSG_NONE);
            if (pOuter == nullptr)
                return false;
            pRule->AddOuterItem(pOuter);
        }
        vecItems.push_back(std::move(pRule));
    }
    return true;
}

bool CLCCbCValidator::Initialize(long lColumn, CLCXDom* pDom)
{
    try {
        Clear();
        if (pDom == nullptr)
            return RecordFatal("CLCCbCValidator::Initialize");
        if (pDom->MoveFirstChild() != 0)
            return true;   // an item without rules

        bool bResult = true;
        do {
            if (pDom->GetNodeName() != "valid")
                continue;
            std::string strId = pDom->GetAttribute("id");
            std::string strValue = pDom->GetAttribute("value");
            std::string strMin = pDom->GetAttribute("min");
            std::string strMax = pDom->GetAttribute("max");
            std::string strAssist = pDom->GetAttribute("assist");
            std::string strMessageId = pDom->GetAttribute("messageId");
            std::string strColumn = pDom->GetAttribute("column");

            CLCCbCMessage_t message = strMessageId.empty() ? CBC_MSG_NONE
                                                           : CLCCbCCommon::ConvMsgStr2Enum(strMessageId);
            // A "column" of 1 or more names an absolute 1-based column of the record.
            long long llColumn = CLCCbCValidItem::DecimalValue(strColumn.c_str());
            long lRuleColumn = llColumn >= 1 ? static_cast<long>(llColumn - 1) : lColumn;

            std::unique_ptr<CLCCbCValidItem> pRule(CLCCbCValidItem::CreateItem(
                lRuleColumn, strId.c_str(), strValue.c_str(), strMin.c_str(), strMax.c_str(), message));
            if (!pRule) {
                bResult = false;
                break;
            }
            // Given 1-based by the definition and reported unchanged.
            pRule->SetAssistColNum(static_cast<long>(CLCCbCValidItem::DecimalValue(strAssist.c_str())));
            if (!SetUpOuter(pDom, pRule.get())) {
                bResult = false;
                break;
            }
            m_vecItems.push_back(std::move(pRule));
        } while (pDom->MoveNextSibling() == 0);

        if (pDom->MoveParent() != 0)
            return RecordFatal("CLCCbCValidator::Initialize");
        return bResult;
    } catch (...) {
        return RecordFatal("CLCCbCValidator::Initialize");
    }
}

bool CLCCbCValidator::SetUpOuter(CLCXDom* pDom, CLCCbCValidItem* pRule)
{
    try {
        if (pDom == nullptr || pRule == nullptr)
            return RecordFatal("CLCCbCValidator::SetUpOuter");
        if (pDom->MoveFirstChild() != 0)
            return true;

        bool bResult = true;
        do {
            if (pDom->GetNodeName() != "outer")
                continue;
            long long llColumn = CLCCbCValidItem::DecimalValue(pDom->GetAttribute("column").c_str());
            if (llColumn < 1)
                continue;   // a precondition without a column is not applied
            std::string strId = pDom->GetAttribute("id");
            std::string strValue = pDom->GetAttribute("value");
            std::string strMin = pDom->GetAttribute("min");
            std::string strMax = pDom->GetAttribute("max");
            CLCCbCValidItem* pOuter = CLCCbCValidItem::CreateItem(static_cast<long>(llColumn - 1), strId.c_str(),
                                                                  strValue.c_str(), strMin.c_str(),
                                                                  strMax.c_str(), CBC_MSG_NONE);
            if (pOuter == nullptr) {
                bResult = false;
                break;
            }
            pRule->AddOuterItem(pOuter);
        } while (pDom->MoveNextSibling() == 0);

        if (pDom->MoveParent() != 0)
            return RecordFatal("CLCCbCValidator::SetUpOuter");
        return bResult;
    } catch (...) {
        return RecordFatal("CLCCbCValidator::SetUpOuter");
    }
}

CLCCbCMessage_t CLCCbCValidator::Validate(const char* szValue, long lLine, long lColumn)
{
    try {
        for (const auto& pRule : m_vecItems) {
            CLCCbCMessage_t r = pRule->Validate(szValue, lLine, lColumn);
            if (r != CBC_MSG_NONE)
                return r;
        }
        return CBC_MSG_NONE;
    } catch (...) {
        RecordFatal("CLCCbCValidator::Validate");
        return HE60000E;
    }
}

CLCCbCMessage_t CLCCbCValidator::ValidateCsv(CLCCbCCsvFile* pCsv, long lRecord, long /*lIgnored*/)
{
    try {
        for (const auto& pRule : m_vecItems) {
            CLCCbCMessage_t r = pRule->ValidateCsv(pCsv, lRecord, -1);
            if (r != CBC_MSG_NONE)
                return r;
        }
        return CBC_MSG_NONE;
    } catch (...) {
        RecordFatal("CLCCbCValidator::ValidateCsv");
        return HE60000E;
    }
}
