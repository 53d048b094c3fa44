#pragma once
// Helpers shared by the two halves of CLCCbCDefinition (appendix tables and
// CbC report); not part of any interface.
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include "foundation/xml/CLCXDom.h"

#include <climits>
#include <string>

namespace cbcdef {

constexpr const char* kUnexpected = "想定しないエラーが発生しました。";
constexpr const char* kNewFailed = "クラスの生成(new)に失敗しました。";

inline void RecordUnexpected(const char* szFunction, const char* szMessage = kUnexpected)
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

inline int ClampToInt(long long llValue)
{
    if (llValue > INT_MAX)
        return INT_MAX;
    if (llValue < INT_MIN)
        return INT_MIN;
    return static_cast<int>(llValue);
}

} // namespace cbcdef
