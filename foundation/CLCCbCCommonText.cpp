// Date, string and escaping helpers of CLCCbCCommon.
#include "foundation/CLCCbCCommon.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/platform/CLCPlatformTraits.h"
#include <string_view>

namespace {

// The build's trim set: whole UTF-8 sequences (Unicode spaces, or the Windows set).
constexpr const auto& kTrimSet = CLCPlatformTraits::kTrimSet;

// The bytes that begin, and that end, some entry of the set: any other byte at
// an end settles at once that there is nothing to trim there.
bool CanBeginSpace(unsigned char c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0xC2 || c == 0xE1 || c == 0xE2 || c == 0xE3;
}

bool CanEndSpace(unsigned char c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || (c >= 0x80 && c <= 0x8A) || c == 0x9F || c == 0xA0 || c == 0xA8
           || c == 0xA9 || c == 0xAF;
}

// Each entry is a whole UTF-8 sequence, so matching bytes at either end can
// never split a character; bytes that are not valid UTF-8 simply stop the trim.
size_t SpaceAtFront(std::string_view sv)
{
    if (sv.empty() || !CanBeginSpace(static_cast<unsigned char>(sv.front())))
        return 0;
    for (std::string_view svSpace : kTrimSet) {
        if (sv.substr(0, svSpace.size()) == svSpace)
            return svSpace.size();
    }
    return 0;
}

size_t SpaceAtBack(std::string_view sv)
{
    if (sv.empty() || !CanEndSpace(static_cast<unsigned char>(sv.back())))
        return 0;
    for (std::string_view svSpace : kTrimSet) {
        if (sv.size() >= svSpace.size() && sv.substr(sv.size() - svSpace.size()) == svSpace)
            return svSpace.size();
    }
    return 0;
}

} // namespace

std::string CLCCbCCommon::Now(const char* datePicture, const char* timePicture)
{
    return CLCMacOSNative::dateTimeNow(datePicture, timePicture);
}

void CLCCbCCommon::NowParts(const char* datePicture, const char* timePicture,
                            std::string& strDate, std::string& strTime)
{
    CLCMacOSNative::dateTimeNowParts(datePicture, timePicture, strDate, strTime);
}

std::string CLCCbCCommon::StringTrim(const char* szText)
{
    if (szText == nullptr)
        return std::string();
    return std::string(StringTrimView(szText));
}

std::string_view CLCCbCCommon::StringTrimView(std::string_view sv)
{
    while (size_t n = SpaceAtFront(sv))
        sv.remove_prefix(n);
    while (size_t n = SpaceAtBack(sv))
        sv.remove_suffix(n);
    return sv;
}

std::vector<std::string> CLCCbCCommon::stringSplit(const std::string& strText, const std::string& strDelimiters)
{
    if (strText.empty() || strDelimiters.empty())
        return {strText};
    std::vector<std::string> vecFields;
    size_t nStart = 0;
    for (;;) {
        const size_t nEnd = strText.find_first_of(strDelimiters, nStart);
        if (nEnd == std::string::npos) {
            vecFields.push_back(strText.substr(nStart));
            return vecFields;
        }
        vecFields.push_back(strText.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
}

void CLCCbCCommon::ConvEntityRefs(const char* pData, unsigned long ulLength, std::string& strOut)
{
    if (pData == nullptr)
        return;
    strOut.reserve(strOut.size() + ulLength);
    for (unsigned long i = 0; i < ulLength; ++i) {
        switch (pData[i]) {
        case '"': strOut += "&quot;"; break;
        case '&': strOut += "&amp;"; break;
        case '\'': strOut += "&apos;"; break;
        case '<': strOut += "&lt;"; break;
        case '>': strOut += "&gt;"; break;
        default: strOut += pData[i]; break;
        }
    }
}

bool CLCCbCCommon::isNumber(const std::string& strText)
{
    for (char c : strText) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}
