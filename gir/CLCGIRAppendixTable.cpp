#include "gir/CLCGIRAppendixTable.h"

#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"

namespace {
constexpr const char* kUnexpected = "想定しないエラーが発生しました。";
constexpr size_t kHojinNoLength = 13;

CLCCbCMessage_t Fatal(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpected);
    CLCValidResult::instance()->SetFatalError();
    return HE60000E;
}

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
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (long r = 0; r < GetRecordCount(); ++r) {
            if (Value(r, lColumn) == strFlag)
                continue;
            CLCValidResult::instance()->SetResult(HE60017E, static_cast<long>(LineNo(r)), lColumn, -1);
            result = HE60017E;
        }
        return result;
    } catch (...) {
        return Fatal("CLCGIRAppendixTable::ValidContentOffered");
    }
}

CLCCbCMessage_t CLCGIRAppendixTable::ValidHojinNo(const std::string& strHojinNo, long lColumn)
{
    try {
        CLCCbCMessage_t result = CBC_MSG_NONE;
        for (long r = 0; r < GetRecordCount(); ++r) {
            const std::string strValue = Value(r, lColumn);
            if (CharacterCount(strValue) != kHojinNoLength || strValue != strHojinNo)
                continue;
            CLCValidResult::instance()->SetResult(HE60018E, static_cast<long>(LineNo(r)), lColumn, -1);
            result = HE60018E;
        }
        return result;
    } catch (...) {
        return Fatal("CLCGIRAppendixTable::ValidHojinNo");
    }
}
