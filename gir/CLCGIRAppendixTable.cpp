#include "gir/CLCGIRAppendixTable.h"

#include "gir/CLCGIRValidItem.h"

namespace {
constexpr size_t kHojinNoLength = 13;
} // namespace

CLCCbCMessage_t CLCGIRAppendixTable::ValidContentOffered(const std::string& strFlag, long lColumn)
{
    try {
        return ReportRecords(HE60017E, lColumn, [&](const std::string& strValue) { return strValue != strFlag; });
    } catch (...) {
        return Fatal("CLCGIRAppendixTable::ValidContentOffered");
    }
}

CLCCbCMessage_t CLCGIRAppendixTable::ValidHojinNo(const std::string& strHojinNo, long lColumn)
{
    try {
        return ReportRecords(HE60018E, lColumn, [&](const std::string& strValue) {
            return CLCGIRValidItem::CountChars(strValue) == kHojinNoLength && strValue == strHojinNo;
        });
    } catch (...) {
        return Fatal("CLCGIRAppendixTable::ValidHojinNo");
    }
}
