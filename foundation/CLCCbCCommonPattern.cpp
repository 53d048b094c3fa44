// Regular-expression matching and the numbers inside GIR file names.
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCDebugDump.h"
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <regex>
#include <stdexcept>
#include <unordered_map>

namespace {

constexpr const char* kUnexpectedError = "想定しないエラーが発生しました。";

[[noreturn]] void Fail(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    throw std::runtime_error(kUnexpectedError);
}

// The patterns are a few fixed texts applied to every file name and field, so
// each is compiled once and kept for the life of the process. A pattern that
// does not compile is not kept and throws std::regex_error again next time.
const std::regex& CompiledPattern(const std::string& strPattern)
{
    static std::mutex mtx;
    static std::unordered_map<std::string, std::unique_ptr<const std::regex>> mapCache;
    std::lock_guard<std::mutex> lock(mtx);
    auto it = mapCache.find(strPattern);
    if (it != mapCache.end())
        return *it->second;
    auto pRegex = std::make_unique<const std::regex>(strPattern, std::regex::ECMAScript);
    return *mapCache.emplace(strPattern, std::move(pRegex)).first->second;
}

bool MatchPattern(const char* szText, const char* szPattern, bool bWhole, const char* szFunction)
{
    if (szText == nullptr || *szText == '\0')
        return false;
    try {
        const std::regex& re = CompiledPattern(szPattern == nullptr ? "" : szPattern);
        return bWhole ? std::regex_match(szText, re) : std::regex_search(szText, re);
    } catch (const std::exception&) {
        Fail(szFunction);
    }
}

} // namespace

bool CLCCbCCommon::strPatternMatch(const char* szText, const char* szPattern)
{
    return MatchPattern(szText, szPattern, true, "CLCCbCCommon::strPatternMatch");
}

bool CLCCbCCommon::StrPatternSearch(const char* szText, const char* szPattern)
{
    return MatchPattern(szText, szPattern, false, "CLCCbCCommon::StrPatternSearch");
}

long CLCCbCCommon::GetHeadNumOfFilename(const char* szName)
{
    static constexpr const char* kFunction = "CLCCbCCommon::GetHeadNumOfFilename";
    const std::string strHead = szName == nullptr ? std::string() : std::string(szName).substr(0, 2);
    const char* szBegin = strHead.c_str();
    char* szEnd = nullptr;
    errno = 0;
    const long lValue = std::strtol(szBegin, &szEnd, 10);
    if (szEnd == szBegin || errno == ERANGE)
        Fail(kFunction);
    return lValue;
}

long CLCCbCCommon::GetTailNumOfFilename(const char* szName)
{
    if (szName == nullptr || *szName == '\0')
        return -1;
    const std::string strName = szName;
    const size_t nUnderscore = strName.rfind('_');
    const size_t nDot = strName.rfind('.');
    if (nUnderscore == std::string::npos || nDot == std::string::npos)
        return -1;
    const size_t nStart = nUnderscore + 1;
    const std::string strNumber = nDot > nUnderscore ? strName.substr(nStart, nDot - nStart)
                                                     : strName.substr(nStart);
    if (!isNumber(strNumber))
        return -1;
    // An empty number part ("03_Summary_.csv") is not a number at all.
    if (strNumber.empty())
        Fail("CLCCbCCommon::GetTailNumOfFilename");
    errno = 0;
    const long lValue = std::strtol(strNumber.c_str(), nullptr, 10);
    // Too many digits is a malformed name for the file-name check to report,
    // not an unexpected error that ends the run.
    if (errno == ERANGE)
        return -1;
    return lValue;
}
