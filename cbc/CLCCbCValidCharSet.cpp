#include "cbc/CLCCbCValidCharSet.h"
#include "foundation/CLCUtf8.h"
#include <cstring>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace {
struct SRange {
    char16_t first;
    char16_t last;
};

// The characters the Levra filing system accepts (halfwidth katakana and every
// surrogate excluded, so nothing outside the BMP passes).
constexpr SRange kLevraString[] = {
    {0x0009, 0x0009}, {0x000A, 0x000A}, {0x000D, 0x000D}, {0x0020, 0x007E}, {0x00A0, 0x00FF},
    {0x0370, 0x04FF}, {0x2000, 0x206F}, {0x2150, 0x22FF}, {0x2460, 0x257F}, {0x25A0, 0x25FF},
    {0x3000, 0x30FF}, {0x3200, 0x33FF}, {0x4E00, 0x9FFF}, {0xF900, 0xFAFF}, {0xFF00, 0xFF65},
    {0xFFA0, 0xFFEF},
};
constexpr SRange kLatinString[] = {
    {0x0009, 0x0009}, {0x000A, 0x000A}, {0x000D, 0x000D}, {0x0020, 0x007E},
};
constexpr SRange kFugoNumber[] = {
    {u'+', u'+'}, {u'-', u'-'}, {u'0', u'9'},
};

struct SCharSet {
    std::string_view szName;
    const SRange* pRanges;
    size_t nRanges;
};
constexpr SCharSet kCharSets[] = {
    {"levraString", kLevraString, sizeof(kLevraString) / sizeof(kLevraString[0])},
    {"latinString", kLatinString, sizeof(kLatinString) / sizeof(kLatinString[0])},
    {"fugoNumber", kFugoNumber, sizeof(kFugoNumber) / sizeof(kFugoNumber[0])},
};

// The ASCII part of each set, looked up at once: most values are all ASCII.
struct SAsciiTable {
    bool bIn[std::size(kCharSets)][128] = {};
    constexpr SAsciiTable()
    {
        for (size_t s = 0; s < std::size(kCharSets); ++s) {
            for (size_t r = 0; r < kCharSets[s].nRanges; ++r) {
                for (char16_t c = kCharSets[s].pRanges[r].first; c <= kCharSets[s].pRanges[r].last && c < 128; ++c)
                    bIn[s][c] = true;
            }
        }
    }
};
constexpr SAsciiTable kAscii;

bool InSet(const SCharSet& set, char16_t cUnit)
{
    for (size_t i = 0; i < set.nRanges; ++i) {
        if (cUnit >= set.pRanges[i].first && cUnit <= set.pRanges[i].last)
            return true;
    }
    return false;
}

} // namespace

CLCCbCValidCharSet::CLCCbCValidCharSet(long lColumn, CLCCbCMessage_t message) : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidCharSet::SetParam(const char* szValue)
{
    m_strParam = szValue != nullptr ? szValue : "";
}

CLCCbCMessage_t CLCCbCValidCharSet::_validate(const char* szValue)
{
    if (szValue == nullptr)
        return CBC_MSG_NONE;
    const SCharSet* pSet = nullptr;
    for (const SCharSet& set : kCharSets) {
        if (set.szName == m_strParam)
            pSet = &set;
    }
    if (pSet == nullptr)
        return LogFatal(__FILE__, __LINE__, "CLCCbCValidCharSet::_validate");

    // Judged per UTF-16 code unit, as the filing system sees the text.
    const bool* const pAscii = kAscii.bIn[pSet - kCharSets];
    const unsigned char* p = reinterpret_cast<const unsigned char*>(szValue);
    const unsigned char* const pEnd = p + std::strlen(szValue);
    while (p < pEnd) {
        if (*p < 0x80) {
            if (!pAscii[*p])
                return HE60011E;
            ++p;
            continue;
        }
        char32_t cPoint = 0;
        const size_t nLen = CLCUtf8::Decode(p, static_cast<size_t>(pEnd - p), cPoint);
        if (nLen == 0)
            return HE60011E;
        p += nLen;
        if (cPoint > 0xFFFF) {
            char32_t cOffset = cPoint - 0x10000;
            if (!InSet(*pSet, static_cast<char16_t>(0xD800 + (cOffset >> 10))) ||
                !InSet(*pSet, static_cast<char16_t>(0xDC00 + (cOffset & 0x3FF))))
                return HE60011E;
            continue;
        }
        if (!InSet(*pSet, static_cast<char16_t>(cPoint)))
            return HE60011E;
    }
    return CBC_MSG_NONE;
}
