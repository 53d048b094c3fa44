#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/CLCCbCMessage.h"
#include "foundation/CLCDebugDump.h"
#include "foundation/platform/CLCPlatformSystem.h"
#include "foundation/platform/CLCPlatformTraits.h"

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr size_t kLineLength = 64;

// RFC 4648 with padding, in lines of 64 characters joined by CR LF and no
// break after the last line; an empty input gives "".
static_assert(!CLCPlatformTraits::kBase64FinalLineBreak && !CLCPlatformTraits::kBase64RefusesEmpty,
              "this encoder leaves the last line open and takes an empty file");
std::string Encode(const std::string& strData)
{
    std::string strFlat;
    strFlat.reserve((strData.size() + 2) / 3 * 4);
    const auto* p = reinterpret_cast<const unsigned char*>(strData.data());
    size_t i = 0;
    for (; i + 3 <= strData.size(); i += 3) {
        const uint32_t v = (p[i] << 16) | (p[i + 1] << 8) | p[i + 2];
        strFlat += kAlphabet[(v >> 18) & 0x3F];
        strFlat += kAlphabet[(v >> 12) & 0x3F];
        strFlat += kAlphabet[(v >> 6) & 0x3F];
        strFlat += kAlphabet[v & 0x3F];
    }
    const size_t nRest = strData.size() - i;
    if (nRest > 0) {
        const uint32_t v = (p[i] << 16) | (nRest == 2 ? p[i + 1] << 8 : 0);
        strFlat += kAlphabet[(v >> 18) & 0x3F];
        strFlat += kAlphabet[(v >> 12) & 0x3F];
        strFlat += nRest == 2 ? kAlphabet[(v >> 6) & 0x3F] : '=';
        strFlat += '=';
    }

    std::string strOut;
    strOut.reserve(strFlat.size() + strFlat.size() / kLineLength * 2);
    for (size_t nPos = 0; nPos < strFlat.size(); nPos += kLineLength) {
        if (nPos > 0)
            strOut += "\r\n";
        strOut.append(strFlat, nPos, kLineLength);
    }
    return strOut;
}

} // namespace

bool CLCBase64Data::Base64Encode(const char* szPath, std::string& strOut)
{
    try {
        std::string strData;
        const bool bRead = CLCPlatformSystem::ReadWholeFile(szPath, strData);
        if (!bRead) {
            CLC_LOG("CLCBase64Data::Base64Encode", "Base64エンコードに失敗");
            return false;
        }
        strOut = Encode(strData);
        return true;
    } catch (...) {
        CLC_LOG("CLCBase64Data::Base64Encode", kUnexpectedError);
        return false;
    }
}
