#include "HostJson.h"

#include "api/CLCCsvConvResultCbC.h"
#include "api/CLCCsvConvResultGIR.h"
#include "foundation/platform/CLCMacOSNative.h"

#include <nlohmann/json.hpp>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace {

// What the JSON library writes for a byte below 0x20, a quote and a
// backslash; every other byte of UTF-8 text stands as it is.
void AppendEscape(std::string& strOut, unsigned char c)
{
    static constexpr char kHex[] = "0123456789abcdef";
    switch (c) {
    case '\b': strOut += "\\b"; return;
    case '\t': strOut += "\\t"; return;
    case '\n': strOut += "\\n"; return;
    case '\f': strOut += "\\f"; return;
    case '\r': strOut += "\\r"; return;
    case '"': strOut += "\\\""; return;
    case '\\': strOut += "\\\\"; return;
    default:
        strOut += "\\u00";
        strOut += kHex[c >> 4];
        strOut += kHex[c & 0x0F];
        return;
    }
}

bool NeedsEscape(unsigned char c)
{
    return c < 0x20 || c == '"' || c == '\\';
}

// The first byte from p on that needs an escape, eight bytes a step while
// none does (a generated document holds long runs of them).
const char* NextEscape(const char* p, const char* const pEnd)
{
    constexpr uint64_t kOnes = 0x0101010101010101ULL;
    constexpr uint64_t kHigh = 0x8080808080808080ULL;
    while (pEnd - p >= 8) {
        uint64_t ullWord;
        std::memcpy(&ullWord, p, sizeof ullWord);
        const uint64_t ullQuote = ullWord ^ (kOnes * '"');
        const uint64_t ullSlash = ullWord ^ (kOnes * '\\');
        // The usual tests for a byte below a bound and for a zero byte.
        const uint64_t ullControl = (ullWord - kOnes * 0x20) & ~ullWord & kHigh;
        const uint64_t ullQuoteHit = (ullQuote - kOnes) & ~ullQuote & kHigh;
        const uint64_t ullSlashHit = (ullSlash - kOnes) & ~ullSlash & kHigh;
        if ((ullControl | ullQuoteHit | ullSlashHit) != 0)
            break;
        p += 8;
    }
    while (p != pEnd && !NeedsEscape(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}

} // namespace

void hostjson::WriteString(std::ostream& out, const std::string& strValue)
{
    if (!CLCMacOSNative::IsValidUtf8(strValue)) {
        out << nlohmann::json(strValue).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
        return;
    }
    // Escapes are ASCII, so a slice may end anywhere, even inside a character.
    constexpr size_t kSlice = 65536;
    std::string strBuffer;
    strBuffer.reserve(kSlice + 16);
    strBuffer += '"';
    const char* p = strValue.data();
    const char* const pEnd = p + strValue.size();
    while (p != pEnd) {
        const char* const pSliceEnd = pEnd - p > static_cast<std::ptrdiff_t>(kSlice) ? p + kSlice : pEnd;
        while (p != pSliceEnd) {
            const char* pRun = p;
            p = NextEscape(p, pSliceEnd);
            strBuffer.append(pRun, static_cast<size_t>(p - pRun));
            if (p == pSliceEnd)
                break;
            AppendEscape(strBuffer, static_cast<unsigned char>(*p));
            ++p;
        }
        if (strBuffer.size() >= kSlice) {
            out.write(strBuffer.data(), static_cast<std::streamsize>(strBuffer.size()));
            strBuffer.clear();
        }
    }
    strBuffer += '"';
    out.write(strBuffer.data(), static_cast<std::streamsize>(strBuffer.size()));
}

void hostjson::WriteResult(std::ostream& out, const CLCCsvConvResultCbC& result)
{
    using Getter = std::string (CLCCsvConvResultCbC::*)() const;
    static constexpr std::pair<const char*, Getter> kProperties[] = {
        {"Result", &CLCCsvConvResultCbC::getResult},
        {"DetailErrorInfo", &CLCCsvConvResultCbC::getDetailErrorInfo},
        {"AppendixTableData", &CLCCsvConvResultCbC::getAppendixTableData},
        {"CbCReportData", &CLCCsvConvResultCbC::getCbCReportData},
        {"XMLData", &CLCCsvConvResultCbC::getXMLData},
        {"GIRAppendixTableData", &CLCCsvConvResultCbC::get_GIRAppendixTableData},
        {"FolderPath", &CLCCsvConvResultCbC::get_FolderPath},
        {"FileName", &CLCCsvConvResultCbC::get_FileName},
        {"CsvData", &CLCCsvConvResultCbC::get_CsvData},
        {"CsvDataSize", &CLCCsvConvResultCbC::get_CsvDataSize},
        {"Base64Data", &CLCCsvConvResultCbC::get_Base64Data},
    };
    const char* szSeparator = "{\n  \"";
    for (const auto& property : kProperties) {
        out << szSeparator << property.first << "\": ";
        WriteString(out, (result.*property.second)());
        szSeparator = ",\n  \"";
    }
    out << "\n}\n";
}

namespace {
// An array of strings as the JSON library indents one inside an object.
void WriteStrings(std::ostream& out, const std::vector<std::string>& vecValues)
{
    if (vecValues.empty()) {
        out << "[]";
        return;
    }
    const char* szSeparator = "[\n    ";
    for (const std::string& strValue : vecValues) {
        out << szSeparator;
        hostjson::WriteString(out, strValue);
        szSeparator = ",\n    ";
    }
    out << "\n  ]";
}
} // namespace

void hostjson::WriteResult(std::ostream& out, const CLCCsvConvResultGIR& result)
{
    out << "{\n  \"Result\": ";
    WriteString(out, result.get_Result());
    out << ",\n  \"GIRData\": ";
    WriteString(out, result.get_GIRData());
    out << ",\n  \"FileName\": ";
    WriteString(out, result.get_FileName());
    out << ",\n  \"ErrInfoCount\": " << result.get_ErrInfoCount() << ",\n  \"ErrFileName\": ";
    WriteStrings(out, result.GetErrFileName());
    out << ",\n  \"DetailErrInfo\": ";
    WriteStrings(out, result.GetDetailErrInfo());
    out << "\n}\n";
}
