#include "gir/GIRFolderBuilder.h"

#include "foundation/platform/CLCMacOSNative.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace girtest {

namespace {
std::string Field(const std::string& strValue)
{
    if (strValue.find_first_of(",\"\r\n") == std::string::npos)
        return strValue;
    std::string strQuoted = "\"";
    for (char c : strValue)
        strQuoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return strQuoted + "\"";
}
} // namespace

std::string CsvText(const Rows& rows)
{
    std::string strText;
    for (const SRow& row : rows) {
        strText += Field(row.strName) + "," + Field(row.strValue) + "," + Field(row.strAttr1) + ","
                   + Field(row.strAttr2) + "," + Field(row.strAttr3) + "," + Field(row.strLevel) + "\r\n";
    }
    return strText;
}

std::string Cp932(const std::string& strUtf8)
{
    std::string strBytes;
    if (!CLCMacOSNative::Utf8ToSjis(strUtf8, strBytes))
        throw std::invalid_argument("no CP932 form: " + strUtf8);
    return strBytes;
}

CGIRFolderBuilder::CGIRFolderBuilder(const CTestFolder& base, const std::string& strName, bool bBodyFolder)
    : m_strPath(base / strName)
{
    std::filesystem::create_directories(m_strPath);
    if (bBodyFolder)
        Folder(kBodyFolder);
}

CGIRFolderBuilder& CGIRFolderBuilder::MessageSpec(const Rows& rows)
{
    return Csv("01_MessageSpec.csv", rows);
}

CGIRFolderBuilder& CGIRFolderBuilder::Body(const std::string& strFileName, const Rows& rows)
{
    return Csv(std::string(kBodyFolder) + "/" + strFileName, rows);
}

CGIRFolderBuilder& CGIRFolderBuilder::Csv(const std::string& strRelative, const Rows& rows)
{
    return Bytes(strRelative, Cp932(CsvText(rows)));
}

CGIRFolderBuilder& CGIRFolderBuilder::Bytes(const std::string& strRelative, const std::string& strBytes)
{
    const std::filesystem::path path = std::filesystem::path(m_strPath) / strRelative;
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(strBytes.data(), static_cast<std::streamsize>(strBytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
    return *this;
}

CGIRFolderBuilder& CGIRFolderBuilder::Folder(const std::string& strRelative)
{
    std::filesystem::create_directories(std::filesystem::path(m_strPath) / strRelative);
    return *this;
}

CGIRFolderBuilder& CGIRFolderBuilder::Write(const SGIRFolder& folder)
{
    MessageSpec(folder.messageSpec);
    for (const auto& [strName, rows] : folder.vecBodies)
        Body(strName, rows);
    return *this;
}

SGIRFolder MinimalFolder()
{
    SGIRFolder folder;
    folder.messageSpec = {
        {"6", "ReceivingCountry", "JP"},
        {"6", "MessageRefId", "JP20244010001234567001"},
        {"6", "MessageTypeIndic", "GIR101"},
        {"6", "ReportingPeriod", "2024-03-31"},
    };
    folder.vecBodies.push_back({"01_FilingInfo.csv",
                                {
                                    {"7", "FilingCE"},
                                    {"8", "Name", "Sakura Holdings Kabushiki Kaisha"},
                                    {"8", "TIN", "4010001234567", "JP", "", "GIR3001"},
                                    {"8", "Role", "GIR401"},
                                    {"7", "AccountingInfo"},
                                    {"8", "CFSofUPE", "GIR501"},
                                    {"8", "FAS", "Japanese GAAP"},
                                    {"8", "Currency", "JPY"},
                                    {"7", "Period"},
                                    {"8", "Start", "2023-04-01"},
                                    {"8", "End", "2024-03-31"},
                                    {"7", "NameMNE", "Sakura Group"},
                                    {"7", "DocSpec"},
                                    {"8", "DocTypeIndic", "OECD1"},
                                    {"8", "DocRefId", "JP202440100012345670000001"},
                                }});
    return folder;
}

SGIRFolder WithHeader(const Rows& rows)
{
    SGIRFolder folder = MinimalFolder();
    folder.messageSpec = rows;
    return folder;
}

SGIRFolder WithFilingInfo(const Rows& rows)
{
    SGIRFolder folder = MinimalFolder();
    folder.vecBodies[0].second = rows;
    return folder;
}

} // namespace girtest
