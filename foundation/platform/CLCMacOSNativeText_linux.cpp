// Text conversion and counting of the Linux platform layer.
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/CLCCbCCommon.h"
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

// Shift_JIS is Windows code page 932 everywhere in the system. glibc's
// "SHIFT_JIS" maps 0x5C and 0x7E to yen and overline and lacks the NEC and IBM
// extensions (①, ㈱, 髙), so it must never be used here.
constexpr const char* kSjisCharset = "CP932";
constexpr const char* kUtf8Charset = "UTF-8";

// One strict conversion (no //IGNORE, no //TRANSLIT): any byte that does not
// convert, including an incomplete sequence at the end, fails the whole text.
bool Convert(const char* szTo, const char* szFrom, const std::string& strIn, std::string& strOut)
{
    iconv_t cd = iconv_open(szTo, szFrom);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;

    std::string strResult;
    strResult.resize(strIn.size() * 2 + 16);
    char* pIn = const_cast<char*>(strIn.data());
    size_t nInLeft = strIn.size();
    size_t nDone = 0;
    bool bOk = true;
    while (nInLeft > 0) {
        char* pOut = &strResult[nDone];
        size_t nOutLeft = strResult.size() - nDone;
        size_t nRet = iconv(cd, &pIn, &nInLeft, &pOut, &nOutLeft);
        nDone = strResult.size() - nOutLeft;
        if (nRet != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG) {
            strResult.resize(strResult.size() * 2);
            continue;
        }
        bOk = false;   // EILSEQ or EINVAL
        break;
    }
    iconv_close(cd);
    if (!bOk)
        return false;
    strResult.resize(nDone);
    strOut.swap(strResult);
    return true;
}

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

bool CLCMacOSNative::SjisToUtf8(const std::string& strSjis, std::string& strUtf8)
{
    return Convert(kUtf8Charset, kSjisCharset, strSjis, strUtf8);
}

bool CLCMacOSNative::Utf8ToSjis(const std::string& strUtf8, std::string& strSjis)
{
    // iconv's UTF-8 decoder is laxer than ours about surrogates; check first.
    if (!IsValidUtf8(strUtf8))
        return false;
    return Convert(kSjisCharset, kUtf8Charset, strUtf8, strSjis);
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
