// The host's JSON text against the JSON library's own output, byte for byte.
#include "tools/HostJson.h"

#include "api/CLCCsvConvResultCbC.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>

namespace {

std::string LibraryText(const std::string& strValue)
{
    return nlohmann::json(strValue).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string HostText(const std::string& strValue)
{
    std::ostringstream out;
    hostjson::WriteString(out, strValue);
    return out.str();
}

// A long text whose escapes and characters fall on and beside the 64 KiB
// slices the writer cuts it into.
std::string AcrossSlices()
{
    std::string strText(200000, 'x');
    for (size_t nAt : {65535u, 65536u, 131071u, 131072u, 131073u})
        strText[nAt] = '"';
    strText.replace(65530, 3, "\xE6\x97\xA5");
    strText.replace(196606, 3, "\xE6\x97\xA5");
    strText[100000] = '\x01';
    strText[100001] = '\\';
    return strText;
}

TEST(HostJson, StringsAreTheLibrarysOwn)
{
    std::string strControls;
    for (int c = 1; c < 0x20; ++c)
        strControls += static_cast<char>(c);
    const std::string kValues[] = {
        "", "S_OK", "0002-00007-HE60011E,0003-01:03-HE60009E", "\"quoted\" and \\back\\slashed/",
        strControls, std::string("nul\0inside", 10), "\x7F del", "日本語のテキスト", "\xF0\x9F\x98\x80 four bytes",
        "<cbc:CBC_OECD version=\"2.0\">&amp;</cbc:CBC_OECD>\r\n", "12345678\"", "1234567\x1F",
        // Not UTF-8: replaced as the library replaces it.
        "\xFF", "a\xC3", "\xED\xA0\x80 surrogate", "a\xE3\x81", "\xC0\xAF overlong", "ok \xF5\x80\x80\x80 bad",
        AcrossSlices(), AcrossSlices() + "\xFF",
    };
    for (const std::string& strValue : kValues)
        EXPECT_EQ(HostText(strValue), LibraryText(strValue)) << strValue.substr(0, 40);
}

TEST(HostJson, ResultIsTheLibrarysIndentedObject)
{
    CLCCsvConvResultCbC result;
    result.putResult("E_FAIL");
    result.putDetailErrorInfo("0000-00000-HE60000E");
    result.putCbCReportData(AcrossSlices());
    result.put_FolderPath("/tmp/\xE3\x83\x95\xFF");
    result.put_CsvDataSize("5");

    nlohmann::ordered_json json;
    json["Result"] = result.getResult();
    json["DetailErrorInfo"] = result.getDetailErrorInfo();
    json["AppendixTableData"] = result.getAppendixTableData();
    json["CbCReportData"] = result.getCbCReportData();
    json["XMLData"] = result.getXMLData();
    json["GIRAppendixTableData"] = result.get_GIRAppendixTableData();
    json["FolderPath"] = result.get_FolderPath();
    json["FileName"] = result.get_FileName();
    json["CsvData"] = result.get_CsvData();
    json["CsvDataSize"] = result.get_CsvDataSize();
    json["Base64Data"] = result.get_Base64Data();

    std::ostringstream out;
    hostjson::WriteResult(out, result);
    EXPECT_EQ(out.str(), json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n");
}

} // namespace
