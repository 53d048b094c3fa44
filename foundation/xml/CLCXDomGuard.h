#pragma once
// How every body of the navigable DOM document (CLCXDomNsxml and, in the
// Windows build, CLCXDomMsxml) fails: the parse records the fatal row and
// logs; a cursor operation logs under its own name and hands the failure on.
#include "foundation/CLCDebugDump.h"
#include "foundation/CLCValidResult.h"
#include <stdexcept>
#include <string>

namespace CLCXDomGuard {

inline constexpr const char* kUnexpected = "想定外エラー発生";
inline constexpr const char* kReadFailed = "XTXデータの読み込み失敗";

// Runs one cursor operation; whatever fails inside is logged under the
// operation's name and handed on as std::runtime_error.
template <class TFunction>
auto Guarded(const char* szFunction, TFunction&& fnBody) -> decltype(fnBody())
{
    try {
        return fnBody();
    } catch (...) {
        CLC_LOG(szFunction, kUnexpected);
        throw std::runtime_error(std::string(szFunction) + ": " + kUnexpected);
    }
}

inline void RecordFatal(const char* szFunction, const char* szMessage)
{
    try {
        CLCValidResult::instance()->SetFatalError();
    } catch (...) {
        // Nothing left to record with; the caller still answers false.
    }
    CLC_LOG(szFunction, szMessage);
}

} // namespace CLCXDomGuard
