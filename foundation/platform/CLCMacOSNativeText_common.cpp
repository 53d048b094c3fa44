// UTF-8 checking and counting of the platform layer, the same on every system.
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/CLCCbCCommon.h"

#include <cstdint>
#include <cstring>

namespace {

// Length of the valid UTF-8 sequence at p (1 to 4), or 0 when it is not one:
// overlong forms, surrogates and values above U+10FFFF are refused.
size_t Utf8SequenceLength(const unsigned char* p, size_t nLeft, uint32_t& cp)
{
    const unsigned char c = p[0];
    if (c < 0x80) {
        cp = c;
        return 1;
    }
    size_t nLen;
    uint32_t uMin;
    if ((c & 0xE0) == 0xC0) {
        nLen = 2; cp = c & 0x1F; uMin = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        nLen = 3; cp = c & 0x0F; uMin = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        nLen = 4; cp = c & 0x07; uMin = 0x10000;
    } else {
        return 0;
    }
    if (nLeft < nLen)
        return 0;
    for (size_t i = 1; i < nLen; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if (cp < uMin || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return nLen;
}

} // namespace

bool CLCMacOSNative::IsValidUtf8(const std::string& strText)
{
    const auto* p = reinterpret_cast<const unsigned char*>(strText.data());
    size_t nLeft = strText.size();
    while (nLeft > 0) {
        // Documents are mostly ASCII: eight bytes at a time while they are.
        if (nLeft >= 8) {
            uint64_t ullWord;
            std::memcpy(&ullWord, p, sizeof ullWord);
            if ((ullWord & 0x8080808080808080ULL) == 0) {
                p += 8;
                nLeft -= 8;
                continue;
            }
        }
        uint32_t cp;
        size_t n = Utf8SequenceLength(p, nLeft, cp);
        if (n == 0)
            return false;
        p += n;
        nLeft -= n;
    }
    return true;
}

long CLCMacOSNative::getCharacterLength(const char* szText)
{
    if (szText == nullptr)
        return 0;
    const auto* p = reinterpret_cast<const unsigned char*>(szText);
    size_t nLeft = std::char_traits<char>::length(szText);
    long lUnits = 0;
    while (nLeft > 0) {
        uint32_t cp;
        size_t n = Utf8SequenceLength(p, nLeft, cp);
        if (n == 0)
            return 0;
        lUnits += cp > 0xFFFF ? 2 : 1;
        p += n;
        nLeft -= n;
    }
    return lUnits;
}

std::string CLCMacOSNative::stringByTrimming(std::string& strText)
{
    return CLCCbCCommon::StringTrim(strText.c_str());
}
