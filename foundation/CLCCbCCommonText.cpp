// Date, string and escaping helpers of CLCCbCCommon.
#include "foundation/CLCCbCCommon.h"
#include "foundation/platform/CLCMacOSNative.h"
#include "foundation/platform/CLCPlatformTraits.h"
#include <string_view>

namespace {

// The build's trim set: whole UTF-8 sequences (Unicode spaces, or the Windows set).
constexpr const auto& kTrimSet = CLCPlatformTraits::kTrimSet;

// The bytes a trimmed sequence can start or end with: any other byte at an end
// stops the trim without a look at the table, as nearly every value's does.
struct SEdgeBytes {
    bool bFirst[256] = {};
    bool bLast[256] = {};
    constexpr SEdgeBytes()
    {
        for (std::string_view svSpace : kTrimSet) {
            bFirst[static_cast<unsigned char>(svSpace.front())] = true;
            bLast[static_cast<unsigned char>(svSpace.back())] = true;
        }
    }
};
constexpr SEdgeBytes kEdgeBytes;

// Each entry is a whole UTF-8 sequence, so matching bytes at either end can
// never split a character; bytes that are not valid UTF-8 simply stop the trim.
size_t SpaceAtFront(std::string_view sv)
{
    if (sv.empty() || !kEdgeBytes.bFirst[static_cast<unsigned char>(sv.front())])
        return 0;
    for (std::string_view svSpace : kTrimSet) {
        if (sv.substr(0, svSpace.size()) == svSpace)
            return svSpace.size();
    }
    return 0;
}

size_t SpaceAtBack(std::string_view sv)
{
    if (sv.empty() || !kEdgeBytes.bLast[static_cast<unsigned char>(sv.back())])
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
    const char* p = pData;
    const char* const pEnd = pData + ulLength;
    while (p != pEnd) {
        // Runs without a special character are copied whole.
        const char* pRun = p;
        while (p != pEnd && *p != '"' && *p != '&' && *p != '\'' && *p != '<' && *p != '>')
            ++p;
        strOut.append(pRun, static_cast<size_t>(p - pRun));
        if (p == pEnd)
            break;
        switch (*p++) {
        case '"': strOut += "&quot;"; break;
        case '&': strOut += "&amp;"; break;
        case '\'': strOut += "&apos;"; break;
        case '<': strOut += "&lt;"; break;
        default: strOut += "&gt;"; break;
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
