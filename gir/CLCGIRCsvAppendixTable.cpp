#include "gir/CLCGIRCsvAppendixTable.h"

#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

namespace {
constexpr size_t kColumns = 5;
} // namespace

CLCGIRCsvAppendixTable::CLCGIRCsvAppendixTable() = default;
CLCGIRCsvAppendixTable::~CLCGIRCsvAppendixTable() = default;

bool CLCGIRCsvAppendixTable::ValidateRecord(std::vector<std::string>& vecColumns)
{
    return ValidateWidth(vecColumns, kColumns);
}

bool CLCGIRCsvAppendixTable::DistributeRecord(long lIndex)
{
    try {
        if (lIndex >= 0 && static_cast<size_t>(lIndex) < m_vRecord.size()) {
            m_GIRAppendixTable.AddRecord(m_vRecord[static_cast<size_t>(lIndex)].get());
            return true;
        }
    } catch (...) {
    }
    CLC_LOG("CLCGIRCsvAppendixTable::DistributeRecord", kUnexpectedError);
    CLCValidResult::instance()->SetFatalError();
    return false;
}
