#include "gir/CLCGIRAppendixTable.h"

namespace {
constexpr size_t kHojinNoLength = 13;

// Number of UTF-8 characters (lead bytes) in the text.
size_t CharacterCount(const std::string& strText)
{
    size_t nCount = 0;
    for (unsigned char c : strText) {
        if ((c & 0xC0) != 0x80)
            ++nCount;
    }
    return nCount;
}
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
            return CharacterCount(strValue) == kHojinNoLength && strValue == strHojinNo;
        });
    } catch (...) {
        return Fatal("CLCGIRAppendixTable::ValidHojinNo");
    }
}
