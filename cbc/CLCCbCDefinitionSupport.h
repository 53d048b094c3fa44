#pragma once
// Helpers shared by the two halves of CLCCbCDefinition (appendix tables and
// CbC report); not part of any interface.
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDom.h"

#include <climits>
#include <string>

namespace cbcdef {

constexpr const char* kNewFailed = "クラスの生成(new)に失敗しました。";

inline void RecordUnexpected(const char* szFunction, const char* szMessage = kUnexpectedError)
{
    CLC_LOG(szFunction, szMessage);
    CLCValidResult::instance()->SetFatalError();
}

// Reads definition usId into dom, decoded once as Shift_JIS whether the build
// keeps it as a file or a resource. False with the cause recorded.
inline bool ParseDefinition(const char* szFunction, unsigned short usId, CLCXDom& dom)
{
    const std::string strText = CLCCbCCommon::LoadDefinitionText(usId);
    if (strText.empty()) {
        RecordUnexpected(szFunction);
        return false;
    }
    return dom.Initialize() && dom.Parse(strText.c_str(), std::to_string(usId).c_str(), "UTF-8");
}

// A writer that cannot go on: the fatal row, the ok flag cleared, no text.
inline std::string FailWrite(const char* szFunction, bool* pOk)
{
    RecordUnexpected(szFunction);
    if (pOk != nullptr)
        *pOk = false;
    return std::string();
}

// Room for a whole document before it is written, so that it is built in one
// block instead of being copied as it grows: the XML of every shipped layout
// is less than eight times its CSV text (tags and escapes included). Only the
// pages written are ever touched.
inline size_t DocumentRoom(size_t nCsvText)
{
    constexpr size_t kMaxRoom = size_t{1} << 25;   // beyond any document the size limit lets out
    return nCsvText < kMaxRoom / 8 ? nCsvText * 8 + 4096 : kMaxRoom;
}

inline int ClampToInt(long long llValue)
{
    if (llValue > INT_MAX)
        return INT_MAX;
    if (llValue < INT_MIN)
        return INT_MIN;
    return static_cast<int>(llValue);
}

} // namespace cbcdef
