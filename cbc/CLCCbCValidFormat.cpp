#include "cbc/CLCCbCValidFormat.h"
#include "foundation/CLCCbCCommon.h"
#include "foundation/platform/CLCMacOSNative.h"
#include <string_view>

namespace {
enum EFormatKind : int32_t {
    FORMAT_NONE = 0,
    FORMAT_MESSAGE_REF_ID = 1,
    FORMAT_DOC_REF_ID = 2,
    FORMAT_DATE = 3,
    FORMAT_INTEGER = 4,
    FORMAT_MESSAGE_REF_ID2 = 5,
    FORMAT_DOC_REF_ID2 = 6,
    FORMAT_DOC_REF_ID3 = 7,
    FORMAT_PERCENTAGE = 8,
    FORMAT_MESSAGE_REF_ID_GIR = 9,
    FORMAT_DOC_REF_ID_GIR = 10,
};

constexpr const char* kDocRefIdPattern =
    "^[J][P][0-9][0-9][0-9][0-9][-][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9]"
    "[a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][-][0-9][0-9][0-9]"
    "[-][0-9][0-9][0-9][0-9]$";
constexpr const char* kDocRefId2Pattern =
    "^[J][P][0-9][0-9][0-9][0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9]"
    "[a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][0-9][0-9][0-9]"
    "[0-9][0-9][0-9][0-9]$";

struct SFormat {
    std::string_view szKeyword;
    EFormatKind kind;
    const char* szPattern;
};

constexpr SFormat kFormats[] = {
    {"MessageRefId", FORMAT_MESSAGE_REF_ID,
     "^[J][P][0-9][0-9][0-9][0-9][-][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9]"
     "[a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][-][0-9][0-9][0-9]$"},
    {"DocRefId", FORMAT_DOC_REF_ID, kDocRefIdPattern},
    {"date", FORMAT_DATE, "^[0-9][0-9][0-9][0-9][-][0-9][0-9][-][0-9][0-9]$"},
    {"integer", FORMAT_INTEGER, "^[\\+\\-]?[0-9]+$"},
    {"MessageRefId2", FORMAT_MESSAGE_REF_ID2,
     "^[J][P][0-9][0-9][0-9][0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9]"
     "[a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][a-zA-Z0-9][0-9][0-9][0-9]$"},
    {"DocRefId2", FORMAT_DOC_REF_ID2, kDocRefId2Pattern},
    {"DocRefId3", FORMAT_DOC_REF_ID3, kDocRefId2Pattern},
    {"percentage", FORMAT_PERCENTAGE, "0\\.\\d{1,4}|1\\.0{1,4}|0|1"},
    {"MessageRefIdGIR", FORMAT_MESSAGE_REF_ID_GIR,
     "^[J][P][0-9][0-9][0-9][0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9]"
     "[A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][0-9][0-9][0-9]$"},
    {"DocRefIdGIR", FORMAT_DOC_REF_ID_GIR,
     "^[J][P][0-9][0-9][0-9][0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9]"
     "[A-Z0-9][A-Z0-9][A-Z0-9][A-Z0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]$"},
};
static_assert(sizeof(kFormats) / sizeof(kFormats[0]) == 10, "ten format keywords");
} // namespace

CLCCbCValidFormat::CLCCbCValidFormat(long lColumn, CLCCbCMessage_t message) : CLCCbCValidItem(lColumn, message)
{
}

void CLCCbCValidFormat::SetParam(const char* szValue)
{
    m_strPattern.clear();
    m_lFormatKind = FORMAT_NONE;
    if (szValue == nullptr)
        return;
    for (const SFormat& format : kFormats) {
        if (format.szKeyword == szValue) {
            m_strPattern = format.szPattern;
            m_lFormatKind = format.kind;
            return;
        }
    }
}

CLCCbCMessage_t CLCCbCValidFormat::_validate(const char* szValue)
{
    return Guarded(__FILE__, __LINE__, "CLCCbCValidFormat::_validate", [&]() {
        if (m_strPattern.empty())
            return LogFatal(__FILE__, __LINE__, "CLCCbCValidFormat::_validate");
        if (szValue == nullptr)
            return HE60009E;
        // strPatternMatch compiles each pattern once and matches the whole value.
        bool bMatch = CLCCbCCommon::strPatternMatch(szValue, m_strPattern.c_str());
        if (!bMatch && m_lFormatKind == FORMAT_DOC_REF_ID2)
            bMatch = CLCCbCCommon::strPatternMatch(szValue, kDocRefIdPattern);
        if (!bMatch)
            return HE60009E;
        if (m_lFormatKind == FORMAT_DATE && !CLCMacOSNative::dateTimeChange(szValue))
            return HE60009E;
        return CBC_MSG_NONE;
    });
}
