// UTF-8 checking and counting of the platform layer, the same on every system.
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/CLCUtf8.h"

#include <cstdint>
#include <cstring>

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
        char32_t cp;
        const size_t n = CLCUtf8::Decode(p, nLeft, cp);
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
        char32_t cp;
        const size_t n = CLCUtf8::Decode(p, nLeft, cp);
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
