#include "gir/CLCGIRValidator.h"

#include "cbc/CLCCbCValidItem.h"
#include "cbc/CLCCbCValidator.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

#include <cstddef>
#include <iterator>

namespace {
struct SKindTable {
    CLCArgValid_t kind;
    const CLCValidTable_t* pRows;
    size_t nRows;
};

constexpr SKindTable kKindTables[] = {
    {ARG_VALID_OUT_PATH, CLCValidTables::OutPathValidTable, std::size(CLCValidTables::OutPathValidTable)},
    {ARG_VALID_HOJIN_BANGO, CLCValidTables::HojinBangoValidTable, std::size(CLCValidTables::HojinBangoValidTable)},
    {ARG_VALID_CSV_FOLDER, CLCValidTables::CsvFolerValidTable, std::size(CLCValidTables::CsvFolerValidTable)},
};

bool RecordFatal(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    CLCValidResultGIR::instance()->SetFatalError();
    return false;
}
} // namespace

CLCGIRValidator::CLCGIRValidator() = default;

CLCGIRValidator::~CLCGIRValidator()
{
    Clear();
}

void CLCGIRValidator::Clear()
{
    m_vecItems.clear();
}

bool CLCGIRValidator::InitializeParam(CLCArgValid_t kind)
{
    static constexpr const char* kFunction = "CLCGIRValidator::InitializeParam";
    try {
        Clear();
        for (const SKindTable& table : kKindTables) {
            if (table.kind != kind)
                continue;
            if (!CLCCbCValidator::AppendTableRules(table.pRows, table.nRows, m_vecItems))
                return RecordFatal(kFunction);
            return true;
        }
        return RecordFatal(kFunction);
    } catch (...) {
        return RecordFatal(kFunction);
    }
}

CLCCbCMessage_t CLCGIRValidator::ValidateParam(const char* szValue, long lLine, long lColumn)
{
    try {
        return ValidateRules(m_vecItems, CLCValidResultGIR::kOtherFile, szValue, lLine, lColumn);
    } catch (...) {
        RecordFatal("CLCGIRValidator::ValidateParam");
        return HE60000E;
    }
}

CLCCbCMessage_t CLCGIRValidator::ValidateRules(const std::vector<std::unique_ptr<CLCCbCValidItem>>& vecRules,
                                               const char* szFileName, const char* szValue, long lLine,
                                               long lColumn)
{
    for (const auto& pRule : vecRules) {
        const CLCCbCMessage_t r = pRule->ValidateParamGIR(szFileName, szValue, lLine, lColumn);
        if (r != CBC_MSG_NONE)
            return r;
    }
    return CBC_MSG_NONE;
}
