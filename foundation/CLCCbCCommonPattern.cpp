// Regular-expression matching and the numbers inside GIR file names.
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include <algorithm>
#include <bitset>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <regex>
#include <stdexcept>
#include <unordered_map>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* szFunction)
{
    CLC_LOG(szFunction, kUnexpectedError);
    throw std::runtime_error(kUnexpectedError);
}

// A pattern made only of characters, bracket sets (negated ones too) and \d,
// each with an optional quantifier, between an optional ^ and $
// ("^[J][P][0-9]...$", "^[\+\-]?[0-9]+$", "03_Summary_\d+\.[^\.]+"): the
// identifier, date and number formats and the GIR file names. A whole match
// of such a pattern is decided here, with the same answer as the regular
// expression and without its cost per value; any other pattern goes to the
// library.
struct SItem {
    std::bitset<256> set;
    size_t nMin = 1;
    size_t nMax = 1;
};
struct SSimplePattern {
    std::vector<SItem> vecItems;
};

bool IsPlain(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// A character that an escape makes literal.
bool IsEscapedLiteral(char c)
{
    return c != '\0' && std::strchr("+-.*?()[]{}|^$\\/", c) != nullptr;
}

// One member of a bracket set at p: a plain character, "-" or an escaped
// literal. False for anything else.
bool ReadMember(const char*& p, unsigned char& c)
{
    if (p[0] == '\\' && IsEscapedLiteral(p[1])) {
        c = static_cast<unsigned char>(p[1]);
        p += 2;
        return true;
    }
    if (IsPlain(p[0]) || p[0] == '-') {
        c = static_cast<unsigned char>(p[0]);
        ++p;
        return true;
    }
    return false;
}

// The set of the bracket expression at p (just past "["); a text is bytes,
// so a negated set is every other byte.
bool ReadSet(const char*& p, std::bitset<256>& set)
{
    const bool bNegated = *p == '^';
    if (bNegated)
        ++p;
    if (*p == ']' || *p == '^')
        return false;   // "[]", "[^]" and "[^^..." are left to the library
    while (*p != ']') {
        unsigned char cFirst = 0;
        if (!ReadMember(p, cFirst))
            return false;
        if (p[0] == '-' && p[1] != ']') {
            ++p;
            unsigned char cLast = 0;
            if (!ReadMember(p, cLast) || cLast < cFirst)
                return false;
            for (unsigned c = cFirst; c <= cLast; ++c)
                set.set(c);
            continue;
        }
        set.set(cFirst);
    }
    ++p;
    if (bNegated)
        set.flip();
    return true;
}

// A quantifier at p, if any: ?, *, + or {m}, {m,}, {m,n}. False for a form
// the simple patterns do not take (a lazy one, a bad count).
bool ReadQuantifier(const char*& p, SItem& item)
{
    constexpr size_t kMany = static_cast<size_t>(-1);
    switch (*p) {
    case '?': item.nMin = 0; item.nMax = 1; ++p; break;
    case '*': item.nMin = 0; item.nMax = kMany; ++p; break;
    case '+': item.nMin = 1; item.nMax = kMany; ++p; break;
    case '{': {
        char* pEnd = nullptr;
        if (!std::isdigit(static_cast<unsigned char>(p[1])))
            return false;
        item.nMin = std::strtoul(p + 1, &pEnd, 10);
        item.nMax = item.nMin;
        if (*pEnd == ',') {
            item.nMax = kMany;
            if (std::isdigit(static_cast<unsigned char>(pEnd[1])))
                item.nMax = std::strtoul(pEnd + 1, &pEnd, 10);
            else
                ++pEnd;
        }
        if (*pEnd != '}' || item.nMax < item.nMin || item.nMin > 1000)
            return false;
        p = pEnd + 1;
        break;
    }
    default:
        return true;
    }
    return *p != '?' && *p != '*' && *p != '+' && *p != '{';
}

std::unique_ptr<SSimplePattern> SimplePattern(const std::string& strPattern)
{
    auto pSimple = std::make_unique<SSimplePattern>();
    const char* p = strPattern.c_str();
    if (*p == '^')
        ++p;
    while (*p != '\0' && !(p[0] == '$' && p[1] == '\0')) {
        SItem item;
        if (*p == '[') {
            ++p;
            if (!ReadSet(p, item.set))
                return nullptr;
        } else if (p[0] == '\\' && p[1] == 'd') {
            for (char c = '0'; c <= '9'; ++c)
                item.set.set(static_cast<unsigned char>(c));
            p += 2;
        } else if (p[0] == '\\' && IsEscapedLiteral(p[1])) {
            item.set.set(static_cast<unsigned char>(p[1]));
            p += 2;
        } else if (IsPlain(*p)) {
            item.set.set(static_cast<unsigned char>(*p++));
        } else {
            return nullptr;
        }
        if (!ReadQuantifier(p, item))
            return nullptr;
        pSimple->vecItems.push_back(item);
    }
    return pSimple;
}

// Whether some split of the whole text gives every item its count of
// characters of its set: the positions reachable after each item.
bool MatchesSimple(const SSimplePattern& simple, const char* szText)
{
    const size_t nLength = std::strlen(szText);
    // Names and values are short: their positions fit on the stack.
    constexpr size_t kOnStack = 256;
    char acReach[kOnStack];
    char acNext[kOnStack];
    std::vector<char> vecReachHeap;
    std::vector<char> vecNextHeap;
    char* pReach = acReach;
    char* pNext = acNext;
    if (nLength + 1 > kOnStack) {
        vecReachHeap.resize(nLength + 1);
        vecNextHeap.resize(nLength + 1);
        pReach = vecReachHeap.data();
        pNext = vecNextHeap.data();
    }
    std::fill(pReach, pReach + nLength + 1, 0);
    pReach[0] = 1;
    for (const SItem& item : simple.vecItems) {
        std::fill(pNext, pNext + nLength + 1, 0);
        bool bAny = false;
        for (size_t nPos = 0; nPos <= nLength; ++nPos) {
            if (!pReach[nPos])
                continue;
            size_t nCount = 0;
            while (true) {
                if (nCount >= item.nMin) {
                    pNext[nPos + nCount] = 1;
                    bAny = true;
                }
                if (nCount == item.nMax || nPos + nCount == nLength
                    || !item.set.test(static_cast<unsigned char>(szText[nPos + nCount])))
                    break;
                ++nCount;
            }
        }
        if (!bAny)
            return false;
        std::swap(pReach, pNext);
    }
    return pReach[nLength] != 0;
}

struct SCompiled {
    std::unique_ptr<const SSimplePattern> pSimple;   // null unless the pattern is simple
    std::unique_ptr<const std::regex> pRegex;      // made on first need
};

// The patterns are a few fixed texts applied to every file name and field, so
// each is compiled once and kept for the life of the process. A pattern that
// does not compile is not kept and throws std::regex_error again next time.
bool Match(const std::string& strPattern, const char* szText, bool bWhole)
{
    static std::mutex mtx;
    static std::unordered_map<std::string, SCompiled> mapCache;
    std::lock_guard<std::mutex> lock(mtx);
    auto it = mapCache.find(strPattern);
    if (it == mapCache.end()) {
        SCompiled compiled;
        compiled.pSimple = SimplePattern(strPattern);
        if (!compiled.pSimple)
            compiled.pRegex = std::make_unique<const std::regex>(strPattern, std::regex::ECMAScript);
        it = mapCache.emplace(strPattern, std::move(compiled)).first;
    }
    SCompiled& compiled = it->second;
    if (bWhole && compiled.pSimple)
        return MatchesSimple(*compiled.pSimple, szText);
    if (!compiled.pRegex)
        compiled.pRegex = std::make_unique<const std::regex>(strPattern, std::regex::ECMAScript);
    return bWhole ? std::regex_match(szText, *compiled.pRegex) : std::regex_search(szText, *compiled.pRegex);
}

bool MatchPattern(const char* szText, const char* szPattern, bool bWhole, const char* szFunction)
{
    if (szText == nullptr || *szText == '\0')
        return false;
    try {
        return Match(szPattern == nullptr ? "" : szPattern, szText, bWhole);
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
